<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt" sourcelanguage="fr">
<context>
    <name>CommandLine</name>
    <message>
        <source>no display: set DISPLAY or run in a desktop session</source>
        <translation>sem ecrã: defina DISPLAY ou execute numa sessão de ambiente de trabalho</translation>
    </message>
    <message>
        <source>a name</source>
        <translation>um nome</translation>
    </message>
    <message>
        <source>a file name</source>
        <translation>um nome de ficheiro</translation>
    </message>
    <message>
        <source>a picture file name</source>
        <translation>um nome de ficheiro de imagem</translation>
    </message>
    <message>
        <source>none or CLIENT:PORT</source>
        <translation>none ou CLIENT:PORT</translation>
    </message>
    <message>
        <source>a device number</source>
        <translation>um número de dispositivo</translation>
    </message>
    <message>
        <source>Affiche cette aide.</source>
        <translation>Mostra esta ajuda.</translation>
    </message>
    <message>
        <source>Affiche la version.</source>
        <translation>Mostra a versão.</translation>
    </message>
    <message>
        <source>Joue par la sortie MIDI N (0 : le synthétiseur intégré).</source>
        <translation>Toca pela saída MIDI N (0: o sintetizador integrado).</translation>
    </message>
    <message>
        <source>Liste les sorties MIDI.</source>
        <translation>Lista as saídas MIDI.</translation>
    </message>
    <message>
        <source>Clavier MIDI : none, ou CLIENT:PORT (par défaut : tous).</source>
        <translation>Teclado MIDI: none, ou CLIENT:PORT (por omissão: todos).</translation>
    </message>
    <message>
        <source>Liste les claviers MIDI.</source>
        <translation>Lista os teclados MIDI.</translation>
    </message>
    <message>
        <source>Ajoute le résultat de chaque note au fichier CSV FILE.</source>
        <translation>Acrescenta o resultado de cada nota ao ficheiro CSV FILE.</translation>
    </message>
    <message>
        <source>Fait le bilan du fichier de résultats FILE, sans fenêtre ; avec plusieurs fichiers ou --pupil, le bilan de la classe en PDF.</source>
        <translation>Faz o relatório do ficheiro de resultados FILE, sem janela; com vários ficheiros ou --pupil, o relatório da turma em PDF.</translation>
    </message>
    <message>
        <source>Image du bilan, .png, .jpg ou .pdf (par défaut : le nom du fichier en .png), ou PDF de la classe (class.pdf).</source>
        <translation>Imagem do relatório, .png, .jpg ou .pdf (por omissão: o nome do ficheiro em .png), ou PDF da turma (class.pdf).</translation>
    </message>
    <message>
        <source>Les résultats de l&apos;élève NAME, dans le dossier des élèves.</source>
        <translation>Os resultados do aluno NAME, na pasta dos alunos.</translation>
    </message>
    <message>
        <source>Liste les élèves, leurs séances et la dernière date.</source>
        <translation>Lista os alunos, as suas sessões e a última data.</translation>
    </message>
    <message>
        <source>Les notes manquées reviennent plus souvent (avec --pupil ou --results).</source>
        <translation>As notas falhadas voltam mais vezes (com --pupil ou --results).</translation>
    </message>
    <message>
        <source>Limite les exercices aux notes de LOW à HIGH (60-67, do3-sol3).</source>
        <translation>Limita os exercícios às notas de LOW a HIGH (60-67, dó3-sol3).</translation>
    </message>
    <message>
        <source>Ouvre seule la fenêtre « Élèves » : la classe, les bilans, les réglages et les raccourcis des élèves.</source>
        <translation>Abre sozinha a janela “Alunos”: a turma, os relatórios, as definições e os atalhos dos alunos.</translation>
    </message>
    <message>
        <source>%1 needs %2 before %3</source>
        <translation>%1 precisa de %2 antes de %3</translation>
    </message>
    <message>
        <source>--midi-out takes a device number, not &apos;%1&apos;</source>
        <translation>--midi-out espera um número de dispositivo, não “%1”</translation>
    </message>
    <message>
        <source>--midi-in takes none or CLIENT:PORT, not &apos;%1&apos;</source>
        <translation>--midi-in espera none ou CLIENT:PORT, não “%1”</translation>
    </message>
    <message>
        <source>--midi-in takes a CLIENT:PORT of 0 to 255 each, not &apos;%1&apos;</source>
        <translation>--midi-in espera um CLIENT:PORT de 0 a 255 cada, não “%1”</translation>
    </message>
    <message>
        <source>--results needs a file name</source>
        <translation>--results precisa de um nome de ficheiro</translation>
    </message>
    <message>
        <source>--report needs a file name</source>
        <translation>--report precisa de um nome de ficheiro</translation>
    </message>
    <message>
        <source>--out takes a .png, .jpg, .jpeg or .pdf file, not &apos;%1&apos;</source>
        <translation>--out espera um ficheiro .png, .jpg, .jpeg ou .pdf, não “%1”</translation>
    </message>
    <message>
        <source>--list-midi-out, --list-midi-in, --list-pupils and --report go alone</source>
        <translation>--list-midi-out, --list-midi-in, --list-pupils e --report vão sozinhos</translation>
    </message>
    <message>
        <source>%1 does not go with --midi-out, --midi-in or --results</source>
        <translation>%1 não vai com --midi-out, --midi-in nem --results</translation>
    </message>
    <message>
        <source>--pupil needs a name</source>
        <translation>--pupil precisa de um nome</translation>
    </message>
    <message>
        <source>several --pupil go with --report only</source>
        <translation>vários --pupil só vão com --report</translation>
    </message>
    <message>
        <source>--pupil and --results both name the results file: give one</source>
        <translation>--pupil e --results indicam ambos o ficheiro de resultados: indique só um</translation>
    </message>
    <message>
        <source>--pupil goes with playing or with --report</source>
        <translation>--pupil vai com tocar ou com --report</translation>
    </message>
    <message>
        <source>--focus goes with --pupil or --results, when playing</source>
        <translation>--focus vai com --pupil ou --results, ao tocar</translation>
    </message>
    <message>
        <source>--notes takes notes from 0 to 127 (do 0 is 24, sol 8 is 127), not &apos;%1&apos;</source>
        <translation>--notes espera notas de 0 a 127 (dó 0 é 24, sol 8 é 127), não “%1”</translation>
    </message>
    <message>
        <source>--notes takes LOW-HIGH, the low note first, not &apos;%1&apos;</source>
        <translation>--notes espera GRAVE-AGUDA, a nota grave primeiro, não “%1”</translation>
    </message>
    <message>
        <source>--notes takes LOW-HIGH, as 60-67 or do3-sol3, low first, not &apos;%1&apos;</source>
        <translation>--notes espera GRAVE-AGUDA, como 60-67 ou dó3-sol3, a grave primeiro, não “%1”</translation>
    </message>
    <message>
        <source>--notes %1 leaves exercise %2 with fewer than %3 notes: two would only take turns</source>
        <translation>--notes %1 deixa o exercício %2 com menos de %3 notas: duas só se alternariam</translation>
    </message>
    <message>
        <source>--report needs a file or --pupil NAME</source>
        <translation>--report precisa de um ficheiro ou de --pupil NAME</translation>
    </message>
    <message>
        <source>Tavelin Piano: piano et lecture de notes.</source>
        <translation>Tavelin Piano: piano e leitura de notas.</translation>
    </message>
    <message>
        <source>tavelin-piano: %1 (see --help)</source>
        <translation>tavelin-piano: %1 (ver --help)</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argumento inesperado “%1”</translation>
    </message>
    <message>
        <source>Usage: tavelin-piano [options]</source>
        <translation>Utilização: tavelin-piano [opções]</translation>
    </message>
    <message>
        <source>--pupils goes alone</source>
        <translation>--pupils vai sozinho</translation>
    </message>
    <message>
        <source>--notes goes with playing</source>
        <translation>--notes vai com tocar</translation>
    </message>
    <message>
        <source>no data folder for the pupils: neither XDG_DATA_HOME nor HOME is set</source>
        <translation>não há pasta de dados para os alunos: nem XDG_DATA_HOME nem HOME estão definidos</translation>
    </message>
    <message>
        <source>the pupil&apos;s name &apos;%1&apos; cannot be kept: %2</source>
        <translation>o nome do aluno “%1” não pode ser guardado: %2</translation>
    </message>
    <message>
        <source>no pupil called &apos;%1&apos; in %2</source>
        <translation>nenhum aluno chamado “%1” em %2</translation>
    </message>
    <message>
        <source>cannot read the pupil&apos;s file &apos;%1&apos;: %2</source>
        <translation>não é possível ler o ficheiro do aluno “%1”: %2</translation>
    </message>
    <message>
        <source>the pupil&apos;s file &apos;%1&apos; is not a regular file</source>
        <translation>o ficheiro do aluno “%1” não é um ficheiro normal</translation>
    </message>
    <message>
        <source>three</source>
        <translation>três</translation>
    </message>
    <message>
        <source>Écrit tout le dossier de l&apos;élève NAME dans un fichier (--out FILE).</source>
        <translation>Escreve toda a pasta do aluno NAME num ficheiro (--out FILE).</translation>
    </message>
    <message>
        <source>Ajoute à un élève les exercices du fichier FILE qu&apos;il n&apos;a pas encore (dossier exporté, ou résultats avec --pupil NAME).</source>
        <translation>Acrescenta a um aluno os exercícios de FILE que ele ainda não tem (pasta exportada, ou resultados com --pupil NAME).</translation>
    </message>
    <message>
        <source>--export-pupil needs --out FILE</source>
        <translation>--export-pupil precisa de --out FILE</translation>
    </message>
    <message>
        <source>--out goes with --report or --export-pupil</source>
        <translation>--out vai com --report ou --export-pupil</translation>
    </message>
    <message>
        <source>--export-pupil NAME --out FILE and --import FILE [--pupil NAME] go alone</source>
        <translation>--export-pupil NAME --out FILE e --import FILE [--pupil NAME] vão sozinhos</translation>
    </message>
    <message>
        <source>this computer has no id for the pupils&apos; files: %1</source>
        <translation>este computador não tem identificador para os ficheiros dos alunos: %1</translation>
    </message>
    <message>
        <source>cannot make the pupil&apos;s folder in %1: %2</source>
        <translation>não é possível criar a pasta do aluno em %1: %2</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Opção desconhecida “%1”.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Opções desconhecidas: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Falta um valor depois de “%1”.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Valor inesperado depois de “%1”.</translation>
    </message>
    <message>
        <source>a variant</source>
        <translation>uma variante</translation>
    </message>
    <message>
        <source>--variant goes with playing</source>
        <translation>--variant vai com tocar</translation>
    </message>
    <message>
        <source>Ce que jouent les exercices : ear (à l&apos;oreille), key=N (une armure, -4 à 4 bémols ou dièses ; key=new, une nouvelle à chaque exercice) ou phrase=N (N notes à lire à la suite, 4 à 8).</source>
        <translation>O que os exercícios tocam: ear (de ouvido), key=N (uma armadura, de -4 a 4 bemóis ou sustenidos; key=new, uma nova a cada exercício) ou phrase=N (N notas para ler seguidas, de 4 a 8).</translation>
    </message>
    <message>
        <source>Ajoute les clefs d&apos;ut 3e et 4e ligne aux exercices 5 et 6.</source>
        <translation>Acrescenta as claves de dó na 3.ª e na 4.ª linha aos exercícios 5 e 6.</translation>
    </message>
    <message>
        <source>--c-clefs goes with playing</source>
        <translation>--c-clefs só serve para tocar</translation>
    </message>
    <message>
        <source>--variant takes ear, key, key=-4 to key=4, key=new or phrase=4 to phrase=8, not &apos;%1&apos;</source>
        <translation>--variant aceita ear, key, de key=-4 a key=4, key=new ou de phrase=4 a phrase=8, não «%1»</translation>
    </message>
</context>
<context>
    <name>Controls</name>
    <message>
        <source>Commencer « %1 » : 50 notes</source>
        <translation>Começar “%1”: 50 notas</translation>
    </message>
    <message>
        <source>commence « %1 »</source>
        <translation>começa “%1”</translation>
    </message>
    <message>
        <source>Vitesse : 3</source>
        <translation>Velocidade: 3</translation>
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
        <translation>Som</translation>
    </message>
    <message>
        <source>Nom de la note</source>
        <translation>Nome da nota</translation>
    </message>
    <message>
        <source>Clef de sol</source>
        <translation>Clave de sol</translation>
    </message>
    <message>
        <source>les touches blanches de mi 2 à fa 5, en clef de sol.</source>
        <translation>as teclas brancas de mi 2 a fá 5, na clave de sol.</translation>
    </message>
    <message>
        <source>Clef de sol (# et b)</source>
        <translation>Clave de sol (# e b)</translation>
    </message>
    <message>
        <source>toutes les touches de mi 2 à fa 5, les noires écrites avec un dièse ou un bémol.</source>
        <translation>todas as teclas de mi 2 a fá 5, as pretas escritas com sustenido ou bemol.</translation>
    </message>
    <message>
        <source>Clef de fa</source>
        <translation>Clave de fá</translation>
    </message>
    <message>
        <source>les touches blanches de do 1 à la 3, en clef de fa.</source>
        <translation>as teclas brancas de dó 1 a lá 3, na clave de fá.</translation>
    </message>
    <message>
        <source>Clef de fa (# et b)</source>
        <translation>Clave de fá (# e b)</translation>
    </message>
    <message>
        <source>toutes les touches de do 1 à la 3.</source>
        <translation>todas as teclas de dó 1 a lá 3.</translation>
    </message>
    <message>
        <source>Clefs de sol et de fa</source>
        <translation>Claves de sol e fá</translation>
    </message>
    <message>
        <source>les touches blanches des deux, chacune dans une clef qui la porte.</source>
        <translation>as teclas brancas das duas, cada uma numa clave que a contém.</translation>
    </message>
    <message>
        <source>Toutes les notes</source>
        <translation>Todas as notas</translation>
    </message>
    <message>
        <source>toutes les touches, en clef de sol à partir du do du milieu (do 3), en clef de fa en dessous.</source>
        <translation>todas as teclas, na clave de sol a partir do dó central (dó 3), na clave de fá abaixo dele.</translation>
    </message>
    <message>
        <source>%1 : les bonnes réponses de l&apos;exercice.</source>
        <translation>%1: as respostas certas do exercício.</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Pontos</translation>
    </message>
    <message>
        <source>Afficher le nom de la note</source>
        <translation>Mostrar o nome da nota</translation>
    </message>
    <message>
        <source>Cacher le nom de la note</source>
        <translation>Ocultar o nome da nota</translation>
    </message>
    <message>
        <source>Afficher ou cacher le nom de la note</source>
        <translation>Mostrar ou ocultar o nome da nota</translation>
    </message>
    <message>
        <source>« %1 » / « %2 »</source>
        <translation>“%1” / “%2”</translation>
    </message>
    <message>
        <source>Aide à la lecture</source>
        <translation>Ajuda de leitura</translation>
    </message>
    <message>
        <source>%1 : le nom des notes sous les touches</source>
        <translation>%1: o nome das notas sob as teclas</translation>
    </message>
    <message>
        <source>« %1 » : les noms sous les touches</source>
        <translation>“%1”: os nomes sob as teclas</translation>
    </message>
    <message>
        <source>Noms des notes sous les touches</source>
        <translation>Nomes das notas sob as teclas</translation>
    </message>
    <message>
        <source>%1 : de 1 (Lent, une note toutes les 6 s) à 5 (Rapide, toutes les 2 s), entre deux exercices.</source>
        <translation>%1: de 1 (Lento, uma nota a cada 6 s) a 5 (Rápido, uma a cada 2 s), entre dois exercícios.</translation>
    </message>
    <message>
        <source>Vitesse</source>
        <translation>Velocidade</translation>
    </message>
    <message>
        <source>Arrêter</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Arrêter l&apos;exercice en cours</source>
        <translation>Parar o exercício em curso</translation>
    </message>
    <message>
        <source>Échap</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>« %1 » : arrête l&apos;exercice en cours</source>
        <translation>“%1”: para o exercício em curso</translation>
    </message>
    <message>
        <source>%1 : jouer chaque note quand elle paraît</source>
        <translation>%1: tocar cada nota quando ela aparece</translation>
    </message>
    <message>
        <source>« %1 » : coche ou décoche le son des notes</source>
        <translation>“%1”: liga ou desliga o som das notas</translation>
    </message>
    <message>
        <source>La note à lire : jouez sa touche.</source>
        <translation>A nota a ler: toque a sua tecla.</translation>
    </message>
    <message>
        <source>Note à lire</source>
        <translation>Nota a ler</translation>
    </message>
    <message>
        <source>Aide</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>ouvre cette aide</source>
        <translation>abre esta ajuda</translation>
    </message>
    <message>
        <source>Élèves</source>
        <translation>Alunos</translation>
    </message>
    <message>
        <source>ouvre la fenêtre « %1 » : qui joue, la classe et les bilans</source>
        <translation>abre a janela “%1”: quem toca, a turma e os relatórios</translation>
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
        <translation>As imagens das notas não foram encontradas em %1: as notas não poderão ser mostradas.</translation>
    </message>
    <message>
        <source>Vitesse : %1</source>
        <translation>Velocidade: %1</translation>
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
        <translation>Alunos e progresso (%1)</translation>
    </message>
    <message>
        <source>Aide de Tavelin Piano</source>
        <translation>Ajuda do Tavelin Piano</translation>
    </message>
    <message>
        <source>Aide</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Qui joue</source>
        <translation>Quem toca</translation>
    </message>
    <message>
        <source>Élèves et progrès</source>
        <translation>Alunos e progresso</translation>
    </message>
    <message>
        <source>Aucun élève : les exercices ne sont pas enregistrés</source>
        <translation>Nenhum aluno: os exercícios não são gravados</translation>
    </message>
    <message>
        <source>&lt;p&gt;Un piano et un entraînement à la lecture des notes. Le clavier de 54 touches joue comme un vrai piano, avec la souris, le clavier de l&apos;ordinateur ou un clavier MIDI. Un exercice montre 50 notes, une à la fois, sur la portée : jouez la touche de chaque note. Une bonne réponse ajoute un point au score ; la touche s&apos;allume en vert avec une coche. Une note manquée allume sa touche en rouge avec une croix, juste avant la note suivante. « Note : » compte les notes montrées.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Um piano e um treino de leitura de notas. O teclado de 54 teclas toca como um piano de verdade, com o rato, o teclado do computador ou um teclado MIDI. Um exercício mostra 50 notas, uma de cada vez, na pauta: toque a tecla de cada nota. Uma resposta certa soma um ponto; a tecla acende-se a verde com um visto. Uma nota falhada acende a sua tecla a vermelho com uma cruz, logo antes da nota seguinte. “Nota:” conta as notas mostradas.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Les six exercices&lt;/h2&gt;&lt;ul&gt;%1&lt;/ul&gt;&lt;p&gt;&lt;b&gt;%2&lt;/b&gt; termine l&apos;exercice avant la fin. &lt;b&gt;%3&lt;/b&gt; fait entendre chaque note quand elle paraît. &lt;b&gt;%4&lt;/b&gt; fait glisser le nom de la note à côté de la portée ; &lt;b&gt;%5&lt;/b&gt; agrandit la fenêtre pour montrer le nom des notes sous les touches.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Os seis exercícios&lt;/h2&gt;&lt;ul&gt;%1&lt;/ul&gt;&lt;p&gt;&lt;b&gt;%2&lt;/b&gt; termina o exercício antes do fim. &lt;b&gt;%3&lt;/b&gt; faz soar cada nota quando ela aparece. &lt;b&gt;%4&lt;/b&gt; faz deslizar o nome da nota para junto da pauta; &lt;b&gt;%5&lt;/b&gt; aumenta a janela para mostrar o nome das notas sob as teclas.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;La vitesse&lt;/h2&gt;&lt;p&gt;La barre &lt;b&gt;Vitesse&lt;/b&gt; va de 1 (&lt;b&gt;Lent&lt;/b&gt;, une note toutes les 6 secondes) à 5 (&lt;b&gt;Rapide&lt;/b&gt;, toutes les 2 secondes) : 6, 5, 4, 3 et 2 secondes. Elle se règle entre deux exercices. La réponse doit venir au plus tard 0,2 seconde avant la note suivante.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;A velocidade&lt;/h2&gt;&lt;p&gt;A barra &lt;b&gt;Velocidade&lt;/b&gt; vai de 1 (&lt;b&gt;Lento&lt;/b&gt;, uma nota a cada 6 segundos) a 5 (&lt;b&gt;Rápido&lt;/b&gt;, uma a cada 2 segundos): 6, 5, 4, 3 e 2 segundos. Ajusta-se entre dois exercícios. A resposta tem de chegar, no máximo, 0,2 segundos antes da nota seguinte.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Raccourcis clavier&lt;/h2&gt;&lt;p&gt;Chaque raccourci fait exactement ce que fait un clic sur son bouton ; un bouton grisé ne fait rien.&lt;/p&gt;&lt;table cellspacing=&quot;0&quot; cellpadding=&quot;3&quot;&gt;%1&lt;/table&gt;</source>
        <translation>&lt;h2&gt;Atalhos de teclado&lt;/h2&gt;&lt;p&gt;Cada atalho faz exatamente o mesmo que um clique no seu botão; um botão acinzentado não faz nada.&lt;/p&gt;&lt;table cellspacing=&quot;0&quot; cellpadding=&quot;3&quot;&gt;%1&lt;/table&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Jouer au clavier de l&apos;ordinateur&lt;/h2&gt;&lt;p&gt;Deux rangées jouent comme un clavier de piano. Les touches comptent par leur place, pas par la lettre qu&apos;elles portent : AZERTY, QWERTZ et QWERTY jouent les mêmes notes aux mêmes places. La rangée du bas joue les touches blanches à partir du do 2 (do une octave sous le do du milieu), la rangée au-dessus les touches noires entre elles. La rangée du haut des lettres joue les touches blanches à partir du do du milieu (do 3), la rangée des chiffres ses touches noires. &lt;b&gt;Page ↑&lt;/b&gt; et &lt;b&gt;Page ↓&lt;/b&gt; montent ou descendent les deux rangées d&apos;une octave, d&apos;une octave au plus de chaque côté. Une touche tenue est une seule note.&lt;/p&gt;&lt;p&gt;&lt;img src=&quot;keyboard-map&quot; width=&quot;%1&quot; alt=&quot;Le plan des touches du clavier de l&apos;ordinateur&quot;&gt;&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Tocar no teclado do computador&lt;/h2&gt;&lt;p&gt;Duas filas tocam como um teclado de piano. As teclas contam pela sua posição, não pela letra que têm: AZERTY, QWERTZ e QWERTY tocam as mesmas notas nos mesmos lugares. A fila de baixo toca as teclas brancas a partir do dó 2 (uma oitava abaixo do dó central), a fila de cima as teclas pretas entre elas. A fila de letras de cima toca as teclas brancas a partir do dó central (dó 3), a fila dos números as suas teclas pretas. &lt;b&gt;Page ↑&lt;/b&gt; e &lt;b&gt;Page ↓&lt;/b&gt; sobem ou descem as duas filas uma oitava, no máximo uma oitava para cada lado. Uma tecla mantida premida é uma só nota.&lt;/p&gt;&lt;p&gt;&lt;img src=&quot;keyboard-map&quot; width=&quot;%1&quot; alt=&quot;O mapa das teclas do teclado do computador&quot;&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Clavier MIDI&lt;/h2&gt;&lt;p&gt;Branchez-le (USB ou interface MIDI) avant ou après le démarrage : tout clavier MIDI est relié de lui-même, et joue comme la souris, réponses comprises. Les notes hors du clavier à l&apos;écran sonnent mais ne comptent pas. &lt;code&gt;tavelin-piano --list-midi-in&lt;/code&gt; liste les claviers vus ; &lt;code&gt;--midi-in CLIENT:PORT&lt;/code&gt; n&apos;en relie qu&apos;un, &lt;code&gt;--midi-in none&lt;/code&gt; aucun ; &lt;code&gt;--midi-out N&lt;/code&gt; joue sur une autre sortie (&lt;code&gt;--list-midi-out&lt;/code&gt;).&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Teclado MIDI&lt;/h2&gt;&lt;p&gt;Ligue-o (USB ou interface MIDI) antes ou depois do arranque: qualquer teclado MIDI é ligado sozinho e toca como o rato, respostas incluídas. As notas fora do teclado do ecrã soam, mas não contam. &lt;code&gt;tavelin-piano --list-midi-in&lt;/code&gt; lista os teclados encontrados; &lt;code&gt;--midi-in CLIENT:PORT&lt;/code&gt; liga só um, &lt;code&gt;--midi-in none&lt;/code&gt; nenhum; &lt;code&gt;--midi-out N&lt;/code&gt; toca noutra saída (&lt;code&gt;--list-midi-out&lt;/code&gt;).&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Pour les professeurs : résultats et bilan&lt;/h2&gt;&lt;p&gt;&lt;code&gt;tavelin-piano --results FICHIER.csv&lt;/code&gt; ajoute au fichier, à la fin de chaque exercice, une ligne par note montrée : la note, sa clef, bonne ou manquée, le temps de réponse et les touches fausses jouées.&lt;/p&gt;&lt;p&gt;&lt;code&gt;tavelin-piano --report FICHIER.csv&lt;/code&gt; lit ce fichier sans le changer, écrit un résumé et dessine le bilan (&lt;code&gt;report.png&lt;/code&gt; à côté du fichier, ou &lt;code&gt;--out IMAGE.png&lt;/code&gt;) : chaque note sur sa portée avec sa réussite, les cinq notes à travailler, et les progrès d&apos;une séance à l&apos;autre.&lt;/p&gt;&lt;p&gt;La fenêtre &lt;b&gt;Élèves&lt;/b&gt; (&lt;b&gt;F11&lt;/b&gt;, ou le bouton &lt;b&gt;Élèves et progrès&lt;/b&gt; ci-dessous) fait tout cela sans taper d&apos;option : elle choisit qui joue, liste la classe avec ses chiffres, montre le bilan de l&apos;élève choisi, garde ses réglages (notes faibles plus souvent, étendue des notes), crée son raccourci et exporte les bilans.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Para professores: resultados e relatório&lt;/h2&gt;&lt;p&gt;&lt;code&gt;tavelin-piano --results FICHEIRO.csv&lt;/code&gt; acrescenta ao ficheiro, no fim de cada exercício, uma linha por cada nota mostrada: a nota, a sua clave, certa ou falhada, o tempo de resposta e as teclas erradas tocadas.&lt;/p&gt;&lt;p&gt;&lt;code&gt;tavelin-piano --report FICHEIRO.csv&lt;/code&gt; lê esse ficheiro sem o alterar, escreve um resumo e desenha o relatório (&lt;code&gt;report.png&lt;/code&gt; junto ao ficheiro, ou &lt;code&gt;--out IMAGEM.png&lt;/code&gt;): cada nota na sua pauta com a sua taxa de acerto, as cinco notas a trabalhar e o progresso de uma sessão para a outra.&lt;/p&gt;&lt;p&gt;A janela &lt;b&gt;Alunos&lt;/b&gt; (&lt;b&gt;F11&lt;/b&gt;, ou o botão &lt;b&gt;Alunos e progresso&lt;/b&gt; abaixo) faz tudo isto sem escrever nenhuma opção: escolhe quem toca, lista a turma com os seus números, mostra o relatório do aluno escolhido, guarda as suas definições (notas fracas mais vezes, extensão das notas), cria o seu atalho e exporta os relatórios.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;À propos&lt;/h2&gt;&lt;p&gt;&lt;b&gt;Tavelin Piano&lt;/b&gt;, version %1.&lt;br&gt;Licence : GNU General Public License, version 3 ou ultérieure ; voir le fichier LICENSE.&lt;br&gt;Le son vient de FluidSynth et de la SoundFont General MIDI de Debian (fluid-soundfont-gm) ; les images sont dessinées par le programme avec les polices Liberation et Noto Music ; la fenêtre est faite avec Qt.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Acerca&lt;/h2&gt;&lt;p&gt;&lt;b&gt;Tavelin Piano&lt;/b&gt;, versão %1.&lt;br&gt;Licença: GNU General Public License, versão 3 ou posterior; ver o ficheiro LICENSE.&lt;br&gt;O som vem do FluidSynth e da SoundFont General MIDI do Debian (fluid-soundfont-gm); as imagens são desenhadas pelo programa com as fontes Liberation e Noto Music; a janela é feita com Qt.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Jouer au clavier de l&apos;ordinateur</source>
        <translation>Tocar no teclado do computador</translation>
    </message>
    <message>
        <source>En grand : la touche d&apos;un clavier %1 ; en petit : la même touche en %2. En bas : la note et son numéro MIDI (60 = do du milieu), sans décalage d&apos;octave. Touches grises : aucune note.</source>
        <translation>Em grande: a tecla de um teclado %1; em pequeno: a mesma tecla em %2. Em baixo: a nota e o seu número MIDI (60 = dó central), sem mudança de oitava. Teclas cinzentas: nenhuma nota.</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Au-delà des notes seules&lt;/h2&gt;&lt;p&gt;Dans la fenêtre &lt;b&gt;Élèves&lt;/b&gt;, les réglages d&apos;un élève choisissent ce que jouent les six boutons d&apos;exercice. &lt;b&gt;À l&apos;oreille&lt;/b&gt; : chaque note sonne d&apos;abord sur la portée vide ; elle s&apos;y dessine dès qu&apos;elle est jouée ou manquée, pour relier le son à sa place. &lt;b&gt;Dans une tonalité&lt;/b&gt; : les notes sont celles d&apos;une gamme majeure jusqu&apos;à quatre dièses ou bémols, choisie par le professeur ou nouvelle à chaque exercice ; la portée montre l&apos;armure, et une note que l&apos;armure altère n&apos;a pas de signe à côté d&apos;elle : jouez la touche qu&apos;elle veut dire dans cette tonalité. &lt;code&gt;--variant ear&lt;/code&gt; et &lt;code&gt;--variant key=N&lt;/code&gt; font de même pour un lancement.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Para além das notas soltas&lt;/h2&gt;&lt;p&gt;Na janela &lt;b&gt;Alunos&lt;/b&gt;, as definições de um aluno escolhem o que tocam os seis botões de exercício. &lt;b&gt;De ouvido&lt;/b&gt;: cada nota soa primeiro sobre a pauta vazia; desenha-se nela logo que é tocada ou falhada, para ligar o som ao seu lugar. &lt;b&gt;Numa tonalidade&lt;/b&gt;: as notas são as de uma escala maior até quatro sustenidos ou bemóis, escolhida pelo professor ou nova em cada exercício; a pauta mostra a armadura de clave, e uma nota que a armadura altera não tem nenhum sinal ao seu lado: toque a tecla que ela quer dizer nessa tonalidade. &lt;code&gt;--variant ear&lt;/code&gt; e &lt;code&gt;--variant key=N&lt;/code&gt; fazem o mesmo para um só arranque.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Plusieurs notes&lt;/b&gt; : quatre à huit notes côte à côte, à jouer dans l&apos;ordre ; une marque rouge passe à la suivante à chaque bonne touche, et la phrase dure autant de périodes qu&apos;elle a de notes. &lt;b&gt;Clefs d&apos;ut&lt;/b&gt; : les exercices 5 et 6 écrivent aussi des notes en clef d&apos;ut 3e ligne (alto) et 4e ligne (ténor). &lt;code&gt;--variant phrase=N&lt;/code&gt; et &lt;code&gt;--c-clefs&lt;/code&gt; font de même pour un lancement. Un lecteur d&apos;écran entend la clef, l&apos;armure et le nombre de notes, jamais les notes.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Várias notas&lt;/b&gt;: de quatro a oito notas lado a lado, para tocar pela ordem; uma marca vermelha passa à seguinte a cada tecla certa, e a frase dura tantos períodos quantas notas tem. &lt;b&gt;Claves de dó&lt;/b&gt;: os exercícios 5 e 6 escrevem também notas em clave de dó na 3.ª linha (contralto) e na 4.ª linha (tenor). &lt;code&gt;--variant phrase=N&lt;/code&gt; e &lt;code&gt;--c-clefs&lt;/code&gt; fazem o mesmo para um arranque. Um leitor de ecrã ouve a clave, a armadura e o número de notas, nunca as notas.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>%1; no MIDI keyboard input</source>
        <translation>%1; sem entrada de teclado MIDI</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>não é possível escrever na saída padrão: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) of results could not be written to &apos;%1&apos; and are lost</source>
        <translation>
            <numerusform>%n linha de resultados não pôde ser escrita em “%1” e perdeu-se</numerusform>
            <numerusform>%n linhas de resultados não puderam ser escritas em “%1” e perderam-se</numerusform>
        </translation>
    </message>
    <message>
        <source>%1; the pupil plays with the usual settings</source>
        <translation>%1; o aluno toca com as definições habituais</translation>
    </message>
    <message>
        <source>%1 (--results)</source>
        <translation>%1 (--results)</translation>
    </message>
    <message>
        <source>no data folder for the pupils: neither XDG_DATA_HOME nor HOME is set</source>
        <translation>não há pasta de dados para os alunos: nem XDG_DATA_HOME nem HOME estão definidos</translation>
    </message>
    <message>
        <source>%1; nothing was imported</source>
        <translation>%1; nada foi importado</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>memória insuficiente</translation>
    </message>
    <message>
        <source>cannot make our ALSA input port: %1</source>
        <translation>não é possível criar a porta de entrada ALSA do programa: %1</translation>
    </message>
    <message>
        <source>no ALSA announcements (%1); a keyboard plugged in later is not seen</source>
        <translation>sem avisos do ALSA (%1); um teclado ligado mais tarde não é detetado</translation>
    </message>
    <message>
        <source>cannot listen to MIDI port %1: %2</source>
        <translation>não é possível escutar a porta MIDI %1: %2</translation>
    </message>
    <message>
        <source>no MIDI port %1 yet; it is connected when it appears</source>
        <translation>ainda não há porta MIDI %1; será ligada quando aparecer</translation>
    </message>
    <message>
        <source>MIDI keyboard input stopped: %1</source>
        <translation>a entrada do teclado MIDI parou: %1</translation>
    </message>
    <message>
        <source>cannot read &apos;%1&apos;: %2</source>
        <translation>não é possível ler “%1”: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a folder, not a regular file</source>
        <translation>“%1” é uma pasta, não um ficheiro normal</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a regular file</source>
        <translation>“%1” não é um ficheiro normal</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>o ficheiro não existe</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>não é um ficheiro normal</translation>
    </message>
    <message>
        <source>larger than %1 MB</source>
        <translation>tem mais de %1 MB</translation>
    </message>
    <message>
        <source>is a folder</source>
        <translation>é uma pasta</translation>
    </message>
    <message>
        <source>cannot load picture %1: %2</source>
        <translation>não é possível carregar a imagem %1: %2</translation>
    </message>
    <message>
        <source>cannot write the PDF &apos;%1&apos;</source>
        <translation>não é possível escrever o PDF “%1”</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a device, not a results file</source>
        <translation>“%1” é um dispositivo, não um ficheiro de resultados</translation>
    </message>
    <message>
        <source>several files go into one PDF: --out FILE.pdf, not &apos;%1&apos;</source>
        <translation>vários ficheiros vão para um só PDF: --out FILE.pdf, não “%1”</translation>
    </message>
    <message>
        <source>the pupil &apos;%1&apos; is named more than once: counted once</source>
        <translation>o aluno “%1” é indicado mais de uma vez: conta só uma vez</translation>
    </message>
    <message>
        <source>the PDF &apos;%1&apos; would replace the results file &apos;%2&apos;; give another --out</source>
        <translation>o PDF “%1” substituiria o ficheiro de resultados “%2”; indique outro --out</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is &apos;%2&apos; under another name: counted once</source>
        <translation>“%1” é “%2” com outro nome: conta só uma vez</translation>
    </message>
    <message>
        <source>%1; %2 is left out of the class report</source>
        <translation>%1; %2 fica fora do relatório da turma</translation>
    </message>
    <message>
        <source>no pupil to report on: no PDF written</source>
        <translation>nenhum aluno para o relatório: nenhum PDF foi escrito</translation>
    </message>
    <message>
        <source>&apos;%1&apos; holds no computer id (id= followed by 16 hex digits)</source>
        <translation>“%1” não contém nenhum identificador de computador (id= seguido de 16 dígitos hexadecimais)</translation>
    </message>
    <message>
        <source>cannot make the folder &apos;%1&apos;: %2</source>
        <translation>não é possível criar a pasta “%1”: %2</translation>
    </message>
    <message>
        <source>cannot write &apos;%1&apos;: %2</source>
        <translation>não é possível escrever “%1”: %2</translation>
    </message>
    <message>
        <source>cannot read &apos;%1&apos;</source>
        <translation>não é possível ler “%1”</translation>
    </message>
    <message>
        <source>no data folder: neither XDG_DATA_HOME nor HOME is set</source>
        <translation>não há pasta de dados: nem XDG_DATA_HOME nem HOME estão definidos</translation>
    </message>
    <message>
        <source>impossible de créer le dossier « %1 » : %2</source>
        <translation>não é possível criar a pasta “%1”: %2</translation>
    </message>
    <message>
        <source>impossible de supprimer « %1 » : %2</source>
        <translation>não é possível apagar “%1”: %2</translation>
    </message>
    <message>
        <source>%1; the notes are drawn evenly</source>
        <translation>%1; as notas são sorteadas por igual</translation>
    </message>
    <message>
        <source>nom trop long</source>
        <translation>nome demasiado longo</translation>
    </message>
    <message>
        <source>pas d&apos;élève « %1 »</source>
        <translation>nenhum aluno se chama “%1”</translation>
    </message>
    <message>
        <source>un élève s&apos;appelle déjà « %1 »</source>
        <translation>já há um aluno chamado “%1”</translation>
    </message>
    <message>
        <source>impossible d&apos;écrire « %1 » : %2</source>
        <translation>não é possível escrever “%1”: %2</translation>
    </message>
    <message>
        <source>impossible de déplacer « %1 » : %2</source>
        <translation>não é possível mover “%1”: %2</translation>
    </message>
    <message>
        <source>illisible : %1</source>
        <translation>ilegível: %1</translation>
    </message>
    <message>
        <source>un dossier, pas un fichier de résultats</source>
        <translation>uma pasta, não um ficheiro de resultados</translation>
    </message>
    <message>
        <source>pas un fichier ordinaire (tube, appareil ou prise)</source>
        <translation>não é um ficheiro normal (pipe, dispositivo ou socket)</translation>
    </message>
    <message>
        <source>impossible de lire le dossier « %1 » : %2</source>
        <translation>não é possível ler a pasta “%1”: %2</translation>
    </message>
    <message>
        <source>le nom est vide</source>
        <translation>o nome está vazio</translation>
    </message>
    <message>
        <source>le nom n&apos;est pas du texte lisible (UTF-8)</source>
        <translation>o nome não é texto legível (UTF-8)</translation>
    </message>
    <message>
        <source>le nom commence ou finit par une espace</source>
        <translation>o nome começa ou termina com um espaço</translation>
    </message>
    <message>
        <source>le nom contient un caractère de contrôle</source>
        <translation>o nome contém um carácter de controlo</translation>
    </message>
    <message>
        <source>le nom est trop long</source>
        <translation>o nome é demasiado longo</translation>
    </message>
    <message>
        <source>cet ordinateur n&apos;a pas d&apos;identifiant (computer.ini illisible)</source>
        <translation>este computador não tem identificador (computer.ini ilegível)</translation>
    </message>
    <message>
        <source>nom trop long pour les archives</source>
        <translation>nome demasiado longo para o arquivo</translation>
    </message>
    <message>
        <source>nom de fichier qui n&apos;est pas celui d&apos;un élève</source>
        <translation>nome de ficheiro que não é o de um aluno</translation>
    </message>
    <message>
        <source>a pupil&apos;s name cannot be empty</source>
        <translation>o nome de um aluno não pode estar vazio</translation>
    </message>
    <message>
        <source>its file name would take %1 bytes, and a file name has at most %2 (the name takes %3 bytes: at most %4 once &apos;%&apos;, &apos;/&apos;, control characters and bytes that are not UTF-8 count 3 each)</source>
        <translation>o seu nome de ficheiro ocuparia %1 bytes, e um nome de ficheiro tem no máximo %2 (o nome ocupa %3 bytes: no máximo %4, contando 3 por cada &apos;%&apos;, &apos;/&apos;, carácter de controlo ou byte que não seja UTF-8)</translation>
    </message>
    <message>
        <source>cannot read the folder &apos;%1&apos;: %2</source>
        <translation>não é possível ler a pasta “%1”: %2</translation>
    </message>
    <message>
        <source>pas un fichier de résultats de Tavelin Piano</source>
        <translation>não é um ficheiro de resultados do Tavelin Piano</translation>
    </message>
    <message>
        <source>still reading &apos;%1&apos; since an earlier run</source>
        <translation>“%1” ainda está a ser lido desde uma execução anterior</translation>
    </message>
    <message>
        <source>no results file to report on</source>
        <translation>nenhum ficheiro de resultados para o relatório</translation>
    </message>
    <message>
        <source>the picture &apos;%1&apos; must end in .png, .jpg, .jpeg or .pdf</source>
        <translation>a imagem “%1” tem de terminar em .png, .jpg, .jpeg ou .pdf</translation>
    </message>
    <message>
        <source>the picture &apos;%1&apos; would replace the results file &apos;%2&apos;; give another --out</source>
        <translation>a imagem “%1” substituiria o ficheiro de resultados “%2”; indique outro --out</translation>
    </message>
    <message>
        <source>cannot write the picture &apos;%1&apos;: %2</source>
        <translation>não é possível escrever a imagem “%1”: %2</translation>
    </message>
    <message>
        <source>cannot open &apos;%1&apos;: %2</source>
        <translation>não é possível abrir “%1”: %2</translation>
    </message>
    <message>
        <source>cannot lock &apos;%1&apos;: %2</source>
        <translation>não é possível bloquear “%1”: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; stayed locked by another program</source>
        <translation>“%1” continuou bloqueado por outro programa</translation>
    </message>
    <message>
        <source>cannot read the size of &apos;%1&apos;: %2</source>
        <translation>não é possível ler o tamanho de “%1”: %2</translation>
    </message>
    <message>
        <source>gave up writing to &apos;%1&apos;</source>
        <translation>deixou-se de tentar escrever em “%1”</translation>
    </message>
    <message>
        <source>&apos;%1&apos; was taken away while it was written</source>
        <translation>“%1” desapareceu enquanto estava a ser escrito</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a results file: its first line is not the header %2</source>
        <translation>“%1” não é um ficheiro de resultados: a primeira linha não é o cabeçalho %2</translation>
    </message>
    <message>
        <source>cannot write to &apos;%1&apos;: %2</source>
        <translation>não é possível escrever em “%1”: %2</translation>
    </message>
    <message>
        <source>%1; the results are kept for the next try, the exercise goes on</source>
        <translation>%1; os resultados ficam guardados para a próxima tentativa, o exercício continua</translation>
    </message>
    <message>
        <source>the record &apos;%1&apos; would replace the results file &apos;%2&apos;; give another --out</source>
        <translation>a exportação “%1” substituiria o ficheiro de resultados “%2”; indique outro --out</translation>
    </message>
    <message>
        <source>« %1 » est abîmé : sa ligne %2 n&apos;est pas un résultat</source>
        <translation>“%1” está danificado: a linha %2 não é um resultado</translation>
    </message>
    <message>
        <source>« %1 » est incomplet : il s&apos;arrête avant ses résultats</source>
        <translation>“%1” está incompleto: termina antes dos resultados</translation>
    </message>
    <message>
        <source>« %1 » est abîmé : %2</source>
        <translation>“%1” está danificado: %2</translation>
    </message>
    <message>
        <source>« %1 » est incomplet : sa dernière ligne n&apos;est pas « # fin : N lignes », il a été coupé en route</source>
        <translation>“%1” está incompleto: a última linha não é “# fin : N lignes”, foi cortado a meio</translation>
    </message>
    <message>
        <source>« %1 » est incomplet : %2 lignes au lieu de %3</source>
        <translation>“%1” está incompleto: %2 linhas em vez de %3</translation>
    </message>
    <message>
        <source>« %1 » n&apos;est ni un dossier d&apos;élève ni un fichier de résultats de Tavelin Piano</source>
        <translation>“%1” não é uma pasta de aluno nem um ficheiro de resultados do Tavelin Piano</translation>
    </message>
    <message>
        <source>« %1 » est incomplet : sa dernière ligne est coupée</source>
        <translation>“%1” está incompleto: a última linha está cortada</translation>
    </message>
    <message>
        <source>« %1 » ne dit pas de quel élève il est : nommez-le (--pupil NOM) ou choisissez-le dans la liste</source>
        <translation>“%1” não diz de que aluno é: indique o aluno (--pupil NAME) ou escolha-o na lista</translation>
    </message>
    <message>
        <source>no ALSA sequencer (/dev/snd/seq: %1)</source>
        <translation>não há sequenciador ALSA (/dev/snd/seq: %1)</translation>
    </message>
    <message>
        <source>ALSA port %1 is gone</source>
        <translation>a porta ALSA %1 desapareceu</translation>
    </message>
    <message>
        <source>cannot make our ALSA port: %1</source>
        <translation>não é possível criar a porta ALSA do programa: %1</translation>
    </message>
    <message>
        <source>cannot connect to ALSA port %1: %2</source>
        <translation>não é possível ligar à porta ALSA %1: %2</translation>
    </message>
    <message>
        <source>SoundFont not found: %1</source>
        <translation>a SoundFont não foi encontrada: %1</translation>
    </message>
    <message>
        <source>SoundFont is not a file: %1</source>
        <translation>a SoundFont não é um ficheiro: %1</translation>
    </message>
    <message>
        <source>SoundFont unreadable: %1</source>
        <translation>não é possível ler a SoundFont: %1</translation>
    </message>
    <message>
        <source>SoundFont too short: %1</source>
        <translation>a SoundFont é demasiado curta: %1</translation>
    </message>
    <message>
        <source>not a SoundFont (no RIFF sfbk header): %1</source>
        <translation>não é uma SoundFont (sem cabeçalho RIFF sfbk): %1</translation>
    </message>
    <message>
        <source>SoundFont truncated (%1 of %2 bytes): %3</source>
        <translation>a SoundFont está truncada (%1 de %2 bytes): %3</translation>
    </message>
    <message>
        <source>FluidSynth could not make its settings</source>
        <translation>o FluidSynth não conseguiu criar as suas definições</translation>
    </message>
    <message>
        <source>FluidSynth could not make its synthesizer: %1</source>
        <translation>o FluidSynth não conseguiu criar o seu sintetizador: %1</translation>
    </message>
    <message>
        <source>could not start the SoundFont loader: %1</source>
        <translation>não foi possível iniciar o carregador de SoundFont: %1</translation>
    </message>
    <message>
        <source>sample rate refused: %1</source>
        <translation>frequência de amostragem recusada: %1</translation>
    </message>
    <message>
        <source>gain refused: %1</source>
        <translation>ganho recusado: %1</translation>
    </message>
    <message>
        <source>audio buffer refused: %1 periods of %2 frames</source>
        <translation>buffer de áudio recusado: %1 períodos de %2 tramas</translation>
    </message>
    <message>
        <source>no audio output (no audio driver named)</source>
        <translation>sem saída de áudio (nenhum controlador de áudio indicado)</translation>
    </message>
    <message>
        <source>no audio output (%1)</source>
        <translation>sem saída de áudio (%1)</translation>
    </message>
    <message>
        <source>no reason given</source>
        <translation>sem motivo indicado</translation>
    </message>
    <message>
        <source>it has no piano, bank 0 program 0</source>
        <translation>não tem piano, banco 0 programa 0</translation>
    </message>
    <message>
        <source>the SoundFont %1 did not load (%2); the built-in synthesizer stays silent</source>
        <translation>a SoundFont %1 não foi carregada (%2); o sintetizador integrado fica em silêncio</translation>
    </message>
    <message>
        <source>%1; only the built-in synthesizer is offered</source>
        <translation>%1; só é proposto o sintetizador integrado</translation>
    </message>
    <message>
        <source>the built-in synthesizer cannot start: %1</source>
        <translation>o sintetizador integrado não consegue arrancar: %1</translation>
    </message>
    <message>
        <source>Synthétiseur intégré (FluidSynth)</source>
        <translation>Sintetizador integrado (FluidSynth)</translation>
    </message>
    <message>
        <source>no system bus</source>
        <translation>sem bus do sistema</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>sem resposta</translation>
    </message>
    <message>
        <source>no real-time priority for the sound (%1; RealtimeKit: %2): notes may break up while the machine is busy</source>
        <translation>sem prioridade de tempo real para o som (%1; RealtimeKit: %2): as notas podem entrecortar-se enquanto o computador estiver ocupado</translation>
    </message>
    <message>
        <source>no sound source or no sample format</source>
        <translation>sem fonte de som ou sem formato de amostras</translation>
    </message>
    <message>
        <source>could not start the sound&apos;s report thread: %1</source>
        <translation>não foi possível iniciar a thread de avisos do som: %1</translation>
    </message>
    <message>
        <source>libpulse could not make its mainloop</source>
        <translation>a libpulse não conseguiu criar o seu ciclo principal</translation>
    </message>
    <message>
        <source>libpulse could not start its mainloop thread</source>
        <translation>a libpulse não conseguiu iniciar a thread do seu ciclo principal</translation>
    </message>
    <message>
        <source>the sound server does not answer (%1 ms)</source>
        <translation>o servidor de som não responde (%1 ms)</translation>
    </message>
    <message>
        <source>no sound server (%1)</source>
        <translation>sem servidor de som (%1)</translation>
    </message>
    <message>
        <source>the sound server cannot be reached; the built-in synthesizer is silent until it is back</source>
        <translation>não é possível contactar o servidor de som; o sintetizador integrado fica em silêncio até ele voltar</translation>
    </message>
    <message>
        <source>the sound server cannot be reached (%1); the built-in synthesizer is silent until it is back</source>
        <translation>não é possível contactar o servidor de som (%1); o sintetizador integrado fica em silêncio até ele voltar</translation>
    </message>
    <message>
        <source>the sound server does not answer; the built-in synthesizer is silent until it does</source>
        <translation>o servidor de som não responde; o sintetizador integrado fica em silêncio até ele responder</translation>
    </message>
    <message>
        <source>cannot load the font %1 (%2); install the Debian package %3</source>
        <translation>não é possível carregar o tipo de letra %1 (%2); instale o pacote Debian %3</translation>
    </message>
    <message>
        <source>focus=%1 : ni oui ni non</source>
        <translation>focus=%1: nem oui nem non</translation>
    </message>
    <message>
        <source>notes=%1 : pas une étendue de notes (BAS-HAUT, comme 60-67 ou do3-sol3)</source>
        <translation>notes=%1: não é uma extensão de notas (GRAVE-AGUDA, como 60-67 ou dó3-sol3)</translation>
    </message>
    <message>
        <source>notes=%1 : l&apos;exercice %2 aurait moins de deux notes</source>
        <translation>notes=%1: o exercício %2 teria menos de duas notas</translation>
    </message>
    <message>
        <source>« %1 » : %2</source>
        <translation>“%1”: %2</translation>
    </message>
    <message>
        <source>impossible de lire « %1 » : %2</source>
        <translation>não é possível ler “%1”: %2</translation>
    </message>
    <message>
        <source>« %1 » n&apos;est pas un fichier ordinaire</source>
        <translation>“%1” não é um ficheiro normal</translation>
    </message>
    <message>
        <source>« %1 » est trop grand pour des réglages</source>
        <translation>“%1” é grande demais para definições</translation>
    </message>
    <message>
        <source>« %1 » est trop grand pour le dossier d&apos;un élève</source>
        <translation>“%1” é grande demais para a pasta de um aluno</translation>
    </message>
    <message>
        <source>variante=%1 : pas un exercice que le piano connaît</source>
        <translation>variante=%1: não é um exercício que o piano conheça</translation>
    </message>
    <message>
        <source>clefs_ut=%1 : ni oui ni non</source>
        <translation>clefs_ut=%1: nem oui nem non</translation>
    </message>
</context>
<context>
    <name>NoteNames</name>
    <message>
        <source>fr</source>
        <extracomment>The code of this translation&apos;s language (&quot;de&quot;, &quot;pt&quot;): it chooses how notes are named (keyboard/notenaming.cpp).</extracomment>
        <translation>pt</translation>
    </message>
</context>
<context>
    <name>NotePanel</name>
    <message>
        <source>Note sur la portée : clef de sol, avec un dièse</source>
        <translation>Nota na pauta: clave de sol, com sustenido</translation>
    </message>
    <message>
        <source>Note sur la portée : clef de fa, avec un dièse</source>
        <translation>Nota na pauta: clave de fá, com sustenido</translation>
    </message>
    <message>
        <source>Note sur la portée : clef de sol, avec un bémol</source>
        <translation>Nota na pauta: clave de sol, com bemol</translation>
    </message>
    <message>
        <source>Note sur la portée : clef de fa, avec un bémol</source>
        <translation>Nota na pauta: clave de fá, com bemol</translation>
    </message>
    <message>
        <source>Note sur la portée : clef de sol</source>
        <translation>Nota na pauta: clave de sol</translation>
    </message>
    <message>
        <source>Note sur la portée : clef de fa</source>
        <translation>Nota na pauta: clave de fá</translation>
    </message>
    <message>
        <source>Bienvenue</source>
        <translation>Bem-vindo</translation>
    </message>
    <message>
        <source>Début de l&apos;exercice : 50 notes</source>
        <translation>Início do exercício: 50 notas</translation>
    </message>
    <message>
        <source>Fin de l&apos;exercice</source>
        <translation>Fim do exercício</translation>
    </message>
    <message>
        <source>clef de sol</source>
        <translation>clave de sol</translation>
    </message>
    <message>
        <source>clef de fa</source>
        <translation>clave de fá</translation>
    </message>
    <message>
        <source>clef d&apos;ut 3e ligne</source>
        <translation>clave de dó na 3.ª linha</translation>
    </message>
    <message>
        <source>clef d&apos;ut 4e ligne</source>
        <translation>clave de dó na 4.ª linha</translation>
    </message>
    <message numerus="yes">
        <source>armure de %n dièse(s)</source>
        <translation>
            <numerusform>armadura de %n sustenido</numerusform>
            <numerusform>armadura de %n sustenidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>armure de %n bémol(s)</source>
        <translation>
            <numerusform>armadura de %n bemol</numerusform>
            <numerusform>armadura de %n bemóis</numerusform>
        </translation>
    </message>
    <message>
        <source>sans armure</source>
        <translation>sem armadura</translation>
    </message>
    <message>
        <source>Portée en %1 : écoutez la note</source>
        <translation>Pauta em %1: ouça a nota</translation>
    </message>
    <message>
        <source>Note sur la portée : %1, %2</source>
        <translation>Nota na pauta: %1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%n notes sur la portée : %1, %2</source>
        <translation>
            <numerusform>%n nota na pauta: %1, %2</numerusform>
            <numerusform>%n notas na pauta: %1, %2</numerusform>
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
        <translation>Pronto?</translation>
    </message>
    <message>
        <source>La première note arrive…</source>
        <translation>Aí vem a primeira nota…</translation>
    </message>
    <message>
        <source>Exercice terminé</source>
        <translation>Fim do exercício</translation>
    </message>
    <message>
        <source>Bravo&#x202f;!</source>
        <translation>Bravo!</translation>
    </message>
    <message>
        <source>Bienvenue</source>
        <translation>Bem-vindo</translation>
    </message>
    <message>
        <source>Choisissez un exercice</source>
        <translation>Escolha um exercício</translation>
    </message>
    <message>
        <source>à droite →</source>
        <comment>the exercise buttons are to the right</comment>
        <translation>à direita →</translation>
    </message>
    <message>
        <source>lecture de notes au clavier</source>
        <comment>the tagline under the program&apos;s name</comment>
        <translation>leitura de notas ao teclado</translation>
    </message>
    <message>
        <source>Quelle est cette note&#x202f;?</source>
        <comment>along the foot of every note</comment>
        <translation>Que nota é esta?</translation>
    </message>
    <message>
        <source>Écoutez…</source>
        <comment>along the foot of the staff while a note is heard</comment>
        <translation>Ouça…</translation>
    </message>
    <message>
        <source>Jouez-les…</source>
        <comment>along the foot of a phrase: play the notes in order</comment>
        <translation>Toque-as pela ordem…</translation>
    </message>
</context>
<context>
    <name>PupilsWindow</name>
    <message>
        <source>impossible de lire « %1 » : %2</source>
        <translation>não é possível ler “%1”: %2</translation>
    </message>
    <message>
        <source>« %1 » n&apos;est pas un fichier ordinaire</source>
        <translation>“%1” não é um ficheiro normal</translation>
    </message>
    <message>
        <source>Élèves</source>
        <translation>Alunos</translation>
    </message>
    <message>
        <source>aucun élève</source>
        <translation>nenhum aluno</translation>
    </message>
    <message>
        <source>%v fichiers lus sur %m</source>
        <translation>%v de %m ficheiros lidos</translation>
    </message>
    <message>
        <source>&amp;Qui joue :</source>
        <translation>&amp;Quem toca:</translation>
    </message>
    <message>
        <source>Qui joue</source>
        <translation>Quem toca</translation>
    </message>
    <message>
        <source>Ouverte seule, la fenêtre n&apos;enregistre rien : choisissez qui joue depuis le piano (F11)</source>
        <translation>Aberta sozinha, a janela não grava nada: escolha quem toca a partir do piano (F11)</translation>
    </message>
    <message>
        <source>L&apos;élève dont les exercices sont enregistrés, à partir du prochain</source>
        <translation>O aluno cujos exercícios são gravados, a partir do próximo</translation>
    </message>
    <message>
        <source>Liste des élèves</source>
        <translation>Lista de alunos</translation>
    </message>
    <message>
        <source>Une ligne par élève ; cochez les élèves du bilan de la classe</source>
        <translation>Uma linha por aluno; marque os alunos do relatório da turma</translation>
    </message>
    <message>
        <source>La cla&amp;sse :</source>
        <translation>A tur&amp;ma:</translation>
    </message>
    <message>
        <source>Lecture des fichiers</source>
        <translation>Leitura dos ficheiros</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensagem</translation>
    </message>
    <message>
        <source>&amp;Ajouter…</source>
        <translation>&amp;Adicionar…</translation>
    </message>
    <message>
        <source>Ajouter un élève</source>
        <translation>Adicionar um aluno</translation>
    </message>
    <message>
        <source>&amp;Renommer…</source>
        <translation>Muda&amp;r o nome…</translation>
    </message>
    <message>
        <source>Renommer l&apos;élève choisi ; tous ses exercices le suivent</source>
        <translation>Mudar o nome do aluno escolhido; todos os seus exercícios o acompanham</translation>
    </message>
    <message>
        <source>Archi&amp;ver…</source>
        <translation>Arqui&amp;var…</translation>
    </message>
    <message>
        <source>Ranger l&apos;élève choisi dans les archives, sans rien effacer</source>
        <translation>Guardar o aluno escolhido no arquivo, sem apagar nada</translation>
    </message>
    <message>
        <source>Arc&amp;hives…</source>
        <translation>Arquivad&amp;os…</translation>
    </message>
    <message>
        <source>Voir les élèves archivés et en restaurer un</source>
        <translation>Ver os alunos arquivados e restaurar um</translation>
    </message>
    <message>
        <source>Créer un ra&amp;ccourci</source>
        <translation>Criar um ata&amp;lho</translation>
    </message>
    <message>
        <source>Une icône « Piano — NOM » qui lance le piano pour l&apos;élève choisi</source>
        <translation>Um ícone “Piano — NOME” que abre o piano para o aluno escolhido</translation>
    </message>
    <message>
        <source>Créer un raccourci</source>
        <translation>Criar um atalho</translation>
    </message>
    <message>
        <source>&amp;Exporter le bilan…</source>
        <translation>&amp;Exportar o relatório…</translation>
    </message>
    <message>
        <source>Le bilan de l&apos;élève choisi en PDF ou en PNG</source>
        <translation>O relatório do aluno escolhido em PDF ou PNG</translation>
    </message>
    <message>
        <source>Exporter la c&amp;lasse…</source>
        <translation>Exportar a &amp;turma…</translation>
    </message>
    <message>
        <source>Le bilan de la classe en PDF, pour les élèves cochés</source>
        <translation>O relatório da turma em PDF, para os alunos marcados</translation>
    </message>
    <message>
        <source>Co&amp;pier les résultats…</source>
        <translation>Co&amp;piar os resultados…</translation>
    </message>
    <message>
        <source>Une copie du fichier de résultats de l&apos;élève choisi</source>
        <translation>Uma cópia do ficheiro de resultados do aluno escolhido</translation>
    </message>
    <message>
        <source>Réglages de l&apos;élève</source>
        <translation>Definições do aluno</translation>
    </message>
    <message>
        <source>Notes &amp;faibles plus souvent</source>
        <translation>Notas &amp;fracas mais vezes</translation>
    </message>
    <message>
        <source>Notes faibles plus souvent</source>
        <translation>Notas fracas mais vezes</translation>
    </message>
    <message>
        <source>Les notes souvent manquées reviennent plus souvent (comme --focus)</source>
        <translation>As notas muitas vezes falhadas voltam mais vezes (como --focus)</translation>
    </message>
    <message>
        <source>Étendue des notes</source>
        <translation>Extensão das notas</translation>
    </message>
    <message>
        <source>toutes, ou 60-67, do3-sol3</source>
        <translation>todas, ou 60-67, dó3-sol3</translation>
    </message>
    <message>
        <source>Vide : toutes les notes ; sinon BAS-HAUT comme --notes (60-67, do3-sol3)</source>
        <translation>Vazio: todas as notas; senão GRAVE-AGUDA como em --notes (60-67, dó3-sol3)</translation>
    </message>
    <message>
        <source>É&amp;tendue :</source>
        <translation>E&amp;xtensão:</translation>
    </message>
    <message>
        <source>Bilan de l&apos;élève</source>
        <translation>Relatório do aluno</translation>
    </message>
    <message>
        <source>Bilan</source>
        <translation>Relatório</translation>
    </message>
    <message>
        <source>Liste et bilan</source>
        <translation>Lista e relatório</translation>
    </message>
    <message>
        <source>Personne (rien n&apos;est enregistré)</source>
        <translation>Ninguém (nada é gravado)</translation>
    </message>
    <message>
        <source>Réglages illisibles, ceux par défaut s&apos;appliquent : %1</source>
        <translation>Definições ilegíveis, aplicam-se as predefinidas: %1</translation>
    </message>
    <message>
        <source>Impossible d&apos;enregistrer pour %1 : %2</source>
        <translation>Não é possível gravar para %1: %2</translation>
    </message>
    <message>
        <source>Étendue refusée : %1</source>
        <translation>Extensão recusada: %1</translation>
    </message>
    <message>
        <source>Réglages non enregistrés : %1</source>
        <translation>Definições não gravadas: %1</translation>
    </message>
    <message>
        <source>Réglages de %1 enregistrés : %2, %3</source>
        <translation>Definições de %1 gravadas: %2, %3</translation>
    </message>
    <message>
        <source>notes faibles plus souvent</source>
        <translation>notas fracas mais vezes</translation>
    </message>
    <message>
        <source>tirage égal</source>
        <translation>sorteio igual</translation>
    </message>
    <message>
        <source>notes %1</source>
        <translation>notas %1</translation>
    </message>
    <message>
        <source>toutes les notes</source>
        <translation>todas as notas</translation>
    </message>
    <message>
        <source>Choisissez un élève pour voir son bilan.</source>
        <translation>Escolha um aluno para ver o seu relatório.</translation>
    </message>
    <message>
        <source>Lecture du fichier…</source>
        <translation>A ler o ficheiro…</translation>
    </message>
    <message>
        <source>Pas de bilan : %1</source>
        <translation>Sem relatório: %1</translation>
    </message>
    <message>
        <source>Bilan de %1 : %2 séances, %3 notes, %4 justes</source>
        <translation>Relatório de %1: %2 sessões, %3 notas, %4 certas</translation>
    </message>
    <message>
        <source>Bilan de %1 : %2 séance, %3 notes, %4 justes</source>
        <translation>Relatório de %1: %2 sessão, %3 notas, %4 certas</translation>
    </message>
    <message>
        <source>Nom de l&apos;élève :</source>
        <translation>Nome do aluno:</translation>
    </message>
    <message>
        <source>Élève non ajouté : %1</source>
        <translation>Aluno não adicionado: %1</translation>
    </message>
    <message>
        <source>%1 ajouté(e)</source>
        <translation>%1 adicionado/a</translation>
    </message>
    <message>
        <source>%1 joue : choisissez d&apos;abord quelqu&apos;un d&apos;autre dans « Qui joue »</source>
        <translation>%1 está a tocar: escolha primeiro outra pessoa em “Quem toca”</translation>
    </message>
    <message>
        <source>Renommer un élève</source>
        <translation>Mudar o nome de um aluno</translation>
    </message>
    <message>
        <source>Nouveau nom de %1 :</source>
        <translation>Novo nome de %1:</translation>
    </message>
    <message>
        <source>Pas renommé : %1</source>
        <translation>Nome não mudado: %1</translation>
    </message>
    <message>
        <source> ; son raccourci aussi</source>
        <translation>; o seu atalho também</translation>
    </message>
    <message>
        <source> ; raccourci : %1</source>
        <translation>; atalho: %1</translation>
    </message>
    <message>
        <source>%1 s&apos;appelle maintenant %2%3</source>
        <translation>%1 chama-se agora %2%3</translation>
    </message>
    <message>
        <source>Archiver un élève</source>
        <translation>Arquivar um aluno</translation>
    </message>
    <message>
        <source>Ranger %1 dans les archives ? Rien n&apos;est effacé : ses résultats et ses réglages restent dans le dossier des archives, d&apos;où « Archives… » les restaure.</source>
        <translation>Guardar %1 no arquivo? Nada é apagado: os seus resultados e definições ficam na pasta do arquivo, de onde “Arquivados…” os restaura.</translation>
    </message>
    <message>
        <source>Archiver</source>
        <translation>Arquivar</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Pas archivé : %1</source>
        <translation>Não arquivado: %1</translation>
    </message>
    <message>
        <source>Raccourci de l&apos;élève</source>
        <translation>Atalho do aluno</translation>
    </message>
    <message>
        <source>Supprimer aussi le raccourci « Piano — %1 » ?</source>
        <translation>Apagar também o atalho “Piano — %1”?</translation>
    </message>
    <message>
        <source>Supprimer le raccourci</source>
        <translation>Apagar o atalho</translation>
    </message>
    <message>
        <source>Le garder</source>
        <translation>Mantê-lo</translation>
    </message>
    <message>
        <source>, son raccourci supprimé</source>
        <translation>, o seu atalho apagado</translation>
    </message>
    <message>
        <source>%1 archivé(e)%2%3</source>
        <translation>%1 arquivado/a%2%3</translation>
    </message>
    <message>
        <source> sous le nom %1</source>
        <translation> com o nome %1</translation>
    </message>
    <message>
        <source>Archives</source>
        <translation>Arquivados</translation>
    </message>
    <message>
        <source>Élèves archivés</source>
        <translation>Alunos arquivados</translation>
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
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Aucun élève archivé.</source>
        <translation>Nenhum aluno arquivado.</translation>
    </message>
    <message>
        <source>Élèves archivés :</source>
        <translation>Alunos arquivados:</translation>
    </message>
    <message>
        <source>Pas restauré : %1</source>
        <translation>Não restaurado: %1</translation>
    </message>
    <message>
        <source>%1 restauré(e), avec tous ses exercices</source>
        <translation>%1 restaurado/a, com todos os seus exercícios</translation>
    </message>
    <message>
        <source>Raccourci non créé : %1</source>
        <translation>Atalho não criado: %1</translation>
    </message>
    <message>
        <source>Raccourci « Piano — %1 » créé : %2</source>
        <translation>Atalho “Piano — %1” criado: %2</translation>
    </message>
    <message>
        <source>« %1 » est le fichier de résultats de %2 : choisissez un autre nom</source>
        <translation>“%1” é o ficheiro de resultados de %2: escolha outro nome</translation>
    </message>
    <message>
        <source>« %1 » est le fichier de résultats en cours : choisissez un autre nom</source>
        <translation>“%1” é o ficheiro de resultados em uso: escolha outro nome</translation>
    </message>
    <message>
        <source>choisissez d&apos;abord un élève dont le fichier se lit</source>
        <translation>escolha primeiro um aluno cujo ficheiro se possa ler</translation>
    </message>
    <message>
        <source>« %1 » doit finir par .pdf, .png, .jpg ou .jpeg</source>
        <translation>“%1” tem de terminar em .pdf, .png, .jpg ou .jpeg</translation>
    </message>
    <message>
        <source>cochez d&apos;abord les élèves du bilan, dans la liste</source>
        <translation>marque primeiro na lista os alunos do relatório</translation>
    </message>
    <message>
        <source>le bilan de la classe est un PDF : « %1 » doit finir par .pdf</source>
        <translation>o relatório da turma é um PDF: “%1” tem de terminar em .pdf</translation>
    </message>
    <message>
        <source>choisissez d&apos;abord un élève</source>
        <translation>escolha primeiro um aluno</translation>
    </message>
    <message>
        <source>Exporter le bilan de %1</source>
        <translation>Exportar o relatório de %1</translation>
    </message>
    <message>
        <source>PDF (*.pdf);;Image PNG (*.png)</source>
        <translation>PDF (*.pdf);;Imagem PNG (*.png)</translation>
    </message>
    <message>
        <source>Bilan de %1 exporté : %2</source>
        <translation>Relatório de %1 exportado: %2</translation>
    </message>
    <message>
        <source>Pas exporté : %1</source>
        <translation>Não exportado: %1</translation>
    </message>
    <message>
        <source>Cochez d&apos;abord les élèves du bilan, dans la liste (Espace coche l&apos;élève choisi)</source>
        <translation>Marque primeiro na lista os alunos do relatório (Espaço marca o aluno escolhido)</translation>
    </message>
    <message>
        <source>Exporter le bilan de la classe</source>
        <translation>Exportar o relatório da turma</translation>
    </message>
    <message>
        <source>classe.pdf</source>
        <translation>turma.pdf</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Bilan de la classe exporté : %1</source>
        <translation>Relatório da turma exportado: %1</translation>
    </message>
    <message>
        <source>Copier les résultats de %1</source>
        <translation>Copiar os resultados de %1</translation>
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
        <translation>Não copiado: %1</translation>
    </message>
    <message>
        <source>I&amp;mporter…</source>
        <translation>&amp;Importar…</translation>
    </message>
    <message>
        <source>Ajouter les exercices d&apos;un dossier exporté, ou d&apos;un fichier de résultats à l&apos;élève choisi ; ceux qu&apos;il a déjà ne comptent pas deux fois</source>
        <translation>Acrescentar ao aluno escolhido os exercícios de uma pasta exportada ou de um ficheiro de resultados; os que já tem não contam duas vezes</translation>
    </message>
    <message>
        <source>%1 : %2 ajoutés, %3 déjà là</source>
        <translation>%1: %2 acrescentados, %3 já existentes</translation>
    </message>
    <message>
        <source>1 exercice</source>
        <translation>1 exercício</translation>
    </message>
    <message>
        <source>%1 exercices</source>
        <translation>%1 exercícios</translation>
    </message>
    <message>
        <source>Importer des exercices</source>
        <translation>Importar exercícios</translation>
    </message>
    <message>
        <source>Dossier d&apos;élève ou résultats (*.csv *.txt);;Tous les fichiers (*)</source>
        <translation>Pasta do aluno ou resultados (*.csv *.txt);;Todos os ficheiros (*)</translation>
    </message>
    <message>
        <source>Importé : %1</source>
        <translation>Importado: %1</translation>
    </message>
    <message>
        <source>Rien n&apos;est importé : %1</source>
        <translation>Nada importado: %1</translation>
    </message>
    <message>
        <source>Exercices</source>
        <translation>Exercícios</translation>
    </message>
    <message>
        <source>les notes seules, comme toujours</source>
        <translation>só as notas, como sempre</translation>
    </message>
    <message>
        <source>à l&apos;oreille : la note sonne, puis se montre</source>
        <translation>de ouvido: a nota soa e depois aparece</translation>
    </message>
    <message>
        <source>dans une tonalité, avec son armure</source>
        <translation>numa tonalidade, com a sua armadura</translation>
    </message>
    <message>
        <source>Ce que jouent les six boutons d&apos;exercice pour cet élève (comme --variant)</source>
        <translation>O que tocam os seis botões de exercício para este aluno (como --variant)</translation>
    </message>
    <message>
        <source>E&amp;xercices :</source>
        <translation>Exer&amp;cícios:</translation>
    </message>
    <message>
        <source>Armure</source>
        <translation>Armadura</translation>
    </message>
    <message>
        <source>sans dièse ni bémol</source>
        <translation>sem sustenidos nem bemóis</translation>
    </message>
    <message>
        <source>1 bémol</source>
        <translation>1 bemol</translation>
    </message>
    <message>
        <source>%1 bémols</source>
        <translation>%1 bemóis</translation>
    </message>
    <message>
        <source>1 dièse</source>
        <translation>1 sustenido</translation>
    </message>
    <message>
        <source>%1 dièses</source>
        <translation>%1 sustenidos</translation>
    </message>
    <message>
        <source>une nouvelle à chaque exercice</source>
        <translation>uma nova em cada exercício</translation>
    </message>
    <message>
        <source>Ar&amp;mure :</source>
        <translation>Arma&amp;dura:</translation>
    </message>
    <message>
        <source>plusieurs notes côte à côte, jouées dans l&apos;ordre</source>
        <translation>várias notas lado a lado, tocadas pela ordem</translation>
    </message>
    <message>
        <source>Notes par lecture</source>
        <translation>Notas por leitura</translation>
    </message>
    <message>
        <source>Combien de notes côte à côte sur la portée, de 4 à 8</source>
        <translation>Quantas notas lado a lado na pauta, de 4 a 8</translation>
    </message>
    <message>
        <source>&amp;Notes par lecture :</source>
        <translation>&amp;Notas por leitura:</translation>
    </message>
    <message>
        <source>Clefs d&apos;&amp;ut 3e et 4e ligne dans les exercices 5 et 6</source>
        <translation>Claves de dó na 3.ª e 4.ª linha nos exercícios 5 e 6 (&amp;u)</translation>
    </message>
    <message>
        <source>Des notes écrites aussi en clef d&apos;ut, comme --c-clefs</source>
        <translation>Algumas notas escritas também em clave de dó, como --c-clefs</translation>
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
        <translation>Teclado da extensão</translation>
    </message>
    <message>
        <source>Première touche : %1 ; choisissez l&apos;autre bout</source>
        <translation>Primeira tecla: %1; escolha a outra ponta</translation>
    </message>
    <message>
        <source>De %1 à %2</source>
        <translation>De %1 a %2</translation>
    </message>
    <message>
        <source>Toutes les touches</source>
        <translation>Todas as teclas</translation>
    </message>
    <message>
        <source>. Touche en vue : %1 (← → pour changer, Espace pour choisir)</source>
        <translation>. Tecla à vista: %1 (← → para mudar, Espaço para escolher)</translation>
    </message>
    <message>
        <source>Cliquez la touche la plus grave puis la plus aiguë</source>
        <translation>Clique na tecla mais grave e depois na mais aguda</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>stable</source>
        <translation>estável</translation>
    </message>
    <message>
        <source>%1&#xa0;pt par séance</source>
        <translation>%1&#xa0;pt por sessão</translation>
    </message>
    <message>
        <source>(sol)</source>
        <translation>(sol)</translation>
    </message>
    <message>
        <source>(fa)</source>
        <translation>(fá)</translation>
    </message>
    <message>
        <source>%1 en %2</source>
        <translation>%1 na %2</translation>
    </message>
    <message>
        <source>Bilan de la classe (%1/%2)</source>
        <translation>Relatório da turma (%1/%2)</translation>
    </message>
    <message>
        <source>Bilan de la classe</source>
        <translation>Relatório da turma</translation>
    </message>
    <message numerus="yes">
        <source>%1 élève(s)</source>
        <translation>
            <numerusform>%1 aluno</numerusform>
            <numerusform>%1 alunos</numerusform>
        </translation>
    </message>
    <message>
        <source>du %1 au %2</source>
        <translation>de %1 a %2</translation>
    </message>
    <message>
        <source>suite page suivante</source>
        <translation>continua na página seguinte</translation>
    </message>
    <message>
        <source>Élève</source>
        <translation>Aluno</translation>
    </message>
    <message>
        <source>Séances</source>
        <translation>Sessões</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Justes</source>
        <translation>Certas</translation>
    </message>
    <message>
        <source>Temps médian</source>
        <translation>Tempo mediano</translation>
    </message>
    <message>
        <source>Notes à travailler (clef)</source>
        <translation>Notas a trabalhar (clave)</translation>
    </message>
    <message>
        <source>Score, séance après séance</source>
        <translation>Pontuação, sessão a sessão</translation>
    </message>
    <message numerus="yes">
        <source>%1 ligne(s) illisible(s)</source>
        <translation>
            <numerusform>%1 linha ilegível</numerusform>
            <numerusform>%1 linhas ilegíveis</numerusform>
        </translation>
    </message>
    <message>
        <source>aucune</source>
        <translation>nenhuma</translation>
    </message>
    <message>
        <source>notes à travailler : les moins souvent justes, puis les plus souvent confondues · tendance : pente du score par séance</source>
        <translation>notas a trabalhar: as menos vezes certas, depois as mais vezes confundidas · tendência: declive da pontuação por sessão</translation>
    </message>
    <message>
        <source>Bilan de la classe : %1</source>
        <translation>Relatório da turma: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 séance(s)</source>
        <translation>
            <numerusform>%1 sessão</numerusform>
            <numerusform>%1 sessões</numerusform>
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
        <translation>%1 certas</translation>
    </message>
    <message>
        <source>, à travailler : %1</source>
        <translation>, a trabalhar: %1</translation>
    </message>
    <message>
        <source>, tendance %1</source>
        <translation>, tendência %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 ligne(s) illisible(s) laissée(s) de côté</source>
        <translation>
            <numerusform>%1 linha ilegível posta de parte</numerusform>
            <numerusform>%1 linhas ilegíveis postas de parte</numerusform>
        </translation>
    </message>
    <message>
        <source>octave</source>
        <translation>oitava</translation>
    </message>
    <message>
        <source>note voisine</source>
        <translation>nota vizinha</translation>
    </message>
    <message>
        <source>altération</source>
        <translation>acidente</translation>
    </message>
    <message>
        <source>autre</source>
        <translation>outro</translation>
    </message>
    <message>
        <source>à la première séance</source>
        <translation>na primeira sessão</translation>
    </message>
    <message>
        <source>à la dernière</source>
        <translation>na última</translation>
    </message>
    <message>
        <source>sur les %1 premières séances</source>
        <translation>nas primeiras %1 sessões</translation>
    </message>
    <message>
        <source>sur les %1 dernières</source>
        <translation>nas últimas %1</translation>
    </message>
    <message>
        <source>%1 points</source>
        <translation>%1 pontos</translation>
    </message>
    <message>
        <source>%1 point</source>
        <translation>%1 ponto</translation>
    </message>
    <message>
        <source>Score : %1 %2, %3 %4 (%5 par séance).</source>
        <translation>Pontuação: %1 %2, %3 %4 (%5 por sessão).</translation>
    </message>
    <message>
        <source>Score : %1.</source>
        <translation>Pontuação: %1.</translation>
    </message>
    <message>
        <source>Temps de réponse médian : %1 %2, %3 %4 (%5 par séance).</source>
        <translation>Tempo de resposta mediano: %1 %2, %3 %4 (%5 por sessão).</translation>
    </message>
    <message>
        <source>Temps de réponse médian : %1.</source>
        <translation>Tempo de resposta mediano: %1.</translation>
    </message>
    <message>
        <source>Aucune note manquée, aucune fausse touche.</source>
        <translation>Nenhuma nota falhada, nenhuma tecla errada.</translation>
    </message>
    <message>
        <source>Les cinq notes à travailler :</source>
        <translation>As cinco notas a trabalhar:</translation>
    </message>
    <message>
        <source>%1, %2 : %3 sur %4</source>
        <translation>%1, %2: %3 em %4</translation>
    </message>
    <message numerus="yes">
        <source>%1 juste(s)</source>
        <translation>
            <numerusform>%1 certa</numerusform>
            <numerusform>%1 certas</numerusform>
        </translation>
    </message>
    <message>
        <source>, erreur la plus fréquente : %1 (%2)</source>
        <translation>, erro mais frequente: %1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>%1 fois</source>
        <translation>
            <numerusform>%1 vez</numerusform>
            <numerusform>%1 vezes</numerusform>
        </translation>
    </message>
    <message>
        <source>, aucune fausse touche : le temps a manqué</source>
        <translation>, nenhuma tecla errada: faltou tempo</translation>
    </message>
    <message>
        <source> ; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>sans ordinateur connu</source>
        <translation>sem computador conhecido</translation>
    </message>
    <message>
        <source>ordinateur %1</source>
        <translation>computador %1</translation>
    </message>
    <message>
        <source>Bilan de %1</source>
        <translation>Relatório de %1</translation>
    </message>
    <message>
        <source>Aucun résultat dans ce fichier.</source>
        <translation>Nenhum resultado neste ficheiro.</translation>
    </message>
    <message>
        <source>%1 du %2 au %3 : %4</source>
        <translation>%1 de %2 a %3: %4</translation>
    </message>
    <message>
        <source>Par ordinateur : %1.</source>
        <translation>Por computador: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%1 ligne(s) illisible(s) laissée(s) de côté.</source>
        <translation>
            <numerusform>%1 linha ilegível posta de parte.</numerusform>
            <numerusform>%1 linhas ilegíveis postas de parte.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 note(s) non affichée(s) laissée(s) de côté (image manquante).</source>
        <translation>
            <numerusform>%1 nota não mostrada posta de parte (imagem em falta).</numerusform>
            <numerusform>%1 notas não mostradas postas de parte (imagem em falta).</numerusform>
        </translation>
    </message>
    <message>
        <source>Image : %1</source>
        <translation>Imagem: %1</translation>
    </message>
    <message>
        <source>Bilan de lecture de notes</source>
        <translation>Relatório de leitura de notas</translation>
    </message>
    <message>
        <source>aucune note demandée dans cette clef</source>
        <translation>nenhuma nota pedida nesta clave</translation>
    </message>
    <message>
        <source>souvent manquée</source>
        <translation>muitas vezes falhada</translation>
    </message>
    <message>
        <source>toujours juste</source>
        <translation>sempre certa</translation>
    </message>
    <message>
        <source>à 5 : les notes à travailler</source>
        <translation>a 5: as notas a trabalhar</translation>
    </message>
    <message>
        <source>Sous chaque note : temps de réponse médian en secondes (le son compris).</source>
        <translation>Sob cada nota: tempo de resposta mediano em segundos (com o som).</translation>
    </message>
    <message>
        <source>%1 : le do du milieu.</source>
        <translation>%1: o dó central.</translation>
    </message>
    <message>
        <source>Les cinq notes à travailler</source>
        <translation>As cinco notas a trabalhar</translation>
    </message>
    <message>
        <source>Pas encore de résultats dans ce fichier.</source>
        <translation>Ainda não há resultados neste ficheiro.</translation>
    </message>
    <message>
        <source>Aucune note manquée, aucune fausse touche : bravo !</source>
        <translation>Nenhuma nota falhada, nenhuma tecla errada: parabéns!</translation>
    </message>
    <message>
        <source>%1 sur %2</source>
        <translation>%1 em %2</translation>
    </message>
    <message>
        <source> · temps médian %1</source>
        <translation> · tempo mediano %1</translation>
    </message>
    <message>
        <source>Erreur la plus fréquente : %1 (%2)</source>
        <translation>Erro mais frequente: %1 (%2)</translation>
    </message>
    <message>
        <source>Aucune fausse touche : le temps a manqué</source>
        <translation>Nenhuma tecla errada: faltou tempo</translation>
    </message>
    <message numerus="yes">
        <source>, %1 fois sans réponse</source>
        <translation>
            <numerusform>, %1 vez sem resposta</numerusform>
            <numerusform>, %1 vezes sem resposta</numerusform>
        </translation>
    </message>
    <message>
        <source>séance, %1 ; chaque point : %2 séances de suite</source>
        <translation>sessão, %1; cada ponto: %2 sessões seguidas</translation>
    </message>
    <message>
        <source>séance, %1</source>
        <translation>sessão, %1</translation>
    </message>
    <message>
        <source>de %1 à %2</source>
        <translation>de %1 para %2</translation>
    </message>
    <message>
        <source>aucune séance</source>
        <translation>nenhuma sessão</translation>
    </message>
    <message>
        <source>Les progrès, séance après séance</source>
        <translation>O progresso, sessão a sessão</translation>
    </message>
    <message>
        <source>Notes justes, en % de chaque séance</source>
        <translation>Notas certas, em % de cada sessão</translation>
    </message>
    <message>
        <source>Temps de réponse médian, en secondes</source>
        <translation>Tempo de resposta mediano, em segundos</translation>
    </message>
    <message>
        <source> · temps de réponse médian %1</source>
        <translation> · tempo de resposta mediano %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 lignes de résultats lues</source>
        <translation>
            <numerusform>%1 linha de resultados lida</numerusform>
            <numerusform>%1 linhas de resultados lidas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %1 illisible(s) laissée(s) de côté</source>
        <translation>
            <numerusform>, %1 ilegível posta de parte</numerusform>
            <numerusform>, %1 ilegíveis postas de parte</numerusform>
        </translation>
    </message>
    <message>
        <source>clef de sol</source>
        <translation>clave de sol</translation>
    </message>
    <message>
        <source>clef de fa</source>
        <translation>clave de fá</translation>
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
        <translation>As variantes:</translation>
    </message>
    <message>
        <source>Les notes des variantes sont en page suivante.</source>
        <translation>As notas das variantes estão na página seguinte.</translation>
    </message>
    <message>
        <source>page %1 sur %2</source>
        <translation>página %1 de %2</translation>
    </message>
    <message>
        <source>Bilan de lecture de notes : les variantes</source>
        <translation>Relatório de leitura de notas: as variantes</translation>
    </message>
    <message>
        <source>À l&apos;oreille</source>
        <translation>De ouvido</translation>
    </message>
    <message>
        <source>Plusieurs notes</source>
        <translation>Várias notas</translation>
    </message>
    <message numerus="yes">
        <source>Armure : %1 dièse(s)</source>
        <translation>
            <numerusform>Armadura: %1 sustenido</numerusform>
            <numerusform>Armadura: %1 sustenidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Armure : %1 bémol(s)</source>
        <translation>
            <numerusform>Armadura: %1 bemol</numerusform>
            <numerusform>Armadura: %1 bemóis</numerusform>
        </translation>
    </message>
    <message>
        <source>Sans armure (do majeur)</source>
        <translation>Sem armadura (dó maior)</translation>
    </message>
    <message>
        <source>Clef d&apos;ut 3e ligne (alto)</source>
        <translation>Clave de dó na 3ª linha (contralto)</translation>
    </message>
    <message>
        <source>Clef d&apos;ut 4e ligne (ténor)</source>
        <translation>Clave de dó na 4ª linha (tenor)</translation>
    </message>
    <message>
        <source>les pages de chaque élève ensuite</source>
        <translation>depois, as páginas de cada aluno</translation>
    </message>
</context>
<context>
    <name>progress::PlayingPupil</name>
    <message>
        <source>Aucun élève : les exercices ne sont pas enregistrés</source>
        <translation>Nenhum aluno: os exercícios não são gravados</translation>
    </message>
    <message>
        <source>Élève : %1, ses exercices sont enregistrés</source>
        <translation>Aluno: %1, os seus exercícios são gravados</translation>
    </message>
    <message>
        <source> ; personne à partir du prochain exercice</source>
        <translation>; ninguém a partir do próximo exercício</translation>
    </message>
    <message>
        <source> ; %1 à partir du prochain exercice</source>
        <translation>; %1 a partir do próximo exercício</translation>
    </message>
</context>
<context>
    <name>progress::PupilsTableModel</name>
    <message>
        <source>lecture…</source>
        <translation>a ler…</translation>
    </message>
    <message>
        <source>%1 lignes illisibles laissées de côté</source>
        <translation>%1 linhas ilegíveis postas de lado</translation>
    </message>
    <message>
        <source>%1 ligne illisible laissée de côté</source>
        <translation>%1 linha ilegível posta de lado</translation>
    </message>
    <message>
        <source>jamais</source>
        <translation>nunca</translation>
    </message>
    <message>
        <source>Élève</source>
        <translation>Aluno</translation>
    </message>
    <message>
        <source>Séances</source>
        <translation>Sessões</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Justes</source>
        <translation>Certas</translation>
    </message>
    <message>
        <source>Temps médian</source>
        <translation>Tempo mediano</translation>
    </message>
    <message>
        <source>Tendance</source>
        <translation>Tendência</translation>
    </message>
    <message>
        <source>Dernière séance</source>
        <translation>Última sessão</translation>
    </message>
    <message>
        <source>Remarque</source>
        <translation>Observação</translation>
    </message>
    <message>
        <source>Par ordinateur : %1</source>
        <translation>Por computador: %1</translation>
    </message>
</context>
</TS>
