<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>BoardPainter</name>
    <message>
        <source>To Start, Click at the Menu</source>
        <translation>Pour jouer, ouvrez le menu</translation>
    </message>
    <message>
        <source>By the Tilora developers</source>
        <translation>Par les développeurs de Tilora</translation>
    </message>
</context>
<context>
    <name>BoardView</name>
    <message>
        <source>Board</source>
        <translation>Plateau</translation>
    </message>
    <message>
        <source>No game</source>
        <translation>Aucune partie</translation>
    </message>
    <message>
        <source>Game paused</source>
        <translation>Partie en pause</translation>
    </message>
    <message>
        <source>Blank, row %1, column %2</source>
        <translation>Case vide, ligne %1, colonne %2</translation>
    </message>
    <message>
        <source>Block %1, row %2, column %3</source>
        <translation>Pièce %1, ligne %2, colonne %3</translation>
    </message>
    <message>
        <source>Block %1 moved left</source>
        <translation>Pièce %1 déplacée à gauche</translation>
    </message>
    <message>
        <source>Block %1 moved right</source>
        <translation>Pièce %1 déplacée à droite</translation>
    </message>
    <message>
        <source>Block %1 moved up</source>
        <translation>Pièce %1 déplacée vers le haut</translation>
    </message>
    <message>
        <source>Block %1 moved down</source>
        <translation>Pièce %1 déplacée vers le bas</translation>
    </message>
    <message>
        <source>Blocks %1 and %2 moved left</source>
        <translation>Pièces %1 et %2 déplacées à gauche</translation>
    </message>
    <message>
        <source>Blocks %1 and %2 moved right</source>
        <translation>Pièces %1 et %2 déplacées à droite</translation>
    </message>
    <message>
        <source>Blocks %1 and %2 moved up</source>
        <translation>Pièces %1 et %2 déplacées vers le haut</translation>
    </message>
    <message>
        <source>Blocks %1 and %2 moved down</source>
        <translation>Pièces %1 et %2 déplacées vers le bas</translation>
    </message>
    <message>
        <source>The picture is complete</source>
        <translation>L&apos;image est complète</translation>
    </message>
    <message>
        <source>blank</source>
        <translation>case vide</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>Ligne %1 : %2</translation>
    </message>
    <message>
        <source>%1 above</source>
        <translation>%1 au-dessus</translation>
    </message>
    <message>
        <source>%1 to the left</source>
        <translation>%1 à gauche</translation>
    </message>
    <message>
        <source>%1 to the right</source>
        <translation>%1 à droite</translation>
    </message>
    <message>
        <source>%1 below</source>
        <translation>%1 en dessous</translation>
    </message>
    <message>
        <source>Around the blank: %1</source>
        <translation>Autour de la case vide : %1</translation>
    </message>
    <message>
        <source>Seconds elapsed: %1. Moves: %2</source>
        <translation>Secondes écoulées : %1. Coups : %2</translation>
    </message>
    <message>
        <source>The game is over</source>
        <translation>La partie est terminée</translation>
    </message>
    <message>
        <source>The blank does not slide</source>
        <translation>La case vide ne glisse pas</translation>
    </message>
    <message>
        <source>Block %1 cannot slide: it is not beside the blank</source>
        <translation>La pièce %1 ne peut pas glisser : elle n&apos;est pas à côté de la case vide</translation>
    </message>
    <message>
        <source>Nothing saved: no game is running</source>
        <translation>Rien n&apos;est enregistré&#xa0;: aucune partie en cours</translation>
    </message>
    <message>
        <source>Nothing to undo: no game is running</source>
        <translation>Rien à annuler&#xa0;: aucune partie en cours</translation>
    </message>
    <message>
        <source>Nothing to redo: no game is running</source>
        <translation>Rien à rétablir&#xa0;: aucune partie en cours</translation>
    </message>
    <message>
        <source>No hint: no game is running</source>
        <translation>Pas d&apos;indice&#xa0;: aucune partie en cours</translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <translation>Rien à annuler</translation>
    </message>
    <message>
        <source>Nothing to redo</source>
        <translation>Rien à rétablir</translation>
    </message>
    <message>
        <source>Game saved</source>
        <translation>Partie enregistrée</translation>
    </message>
    <message>
        <source>Game opened</source>
        <translation>Partie ouverte</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Are you sure you want to start a new game?</source>
        <translation>Voulez-vous vraiment commencer une nouvelle partie&#xa0;?</translation>
    </message>
    <message>
        <source>New Game: Confirm</source>
        <translation>Nouvelle partie&#xa0;: Confirmation</translation>
    </message>
    <message>
        <source>Are you sure you want to quit the game?</source>
        <translation>Voulez-vous vraiment quitter le jeu&#xa0;?</translation>
    </message>
    <message>
        <source>Exit Game: Confirm</source>
        <translation>Quitter le jeu&#xa0;: Confirmation</translation>
    </message>
    <message>
        <source>By doing this, you will have to start a new game.

     Are you sure you want to start a new game?</source>
        <translation>Pour cela, vous devrez commencer une nouvelle partie.

Voulez-vous vraiment commencer une nouvelle partie&#xa0;?</translation>
    </message>
    <message>
        <source>Tilora : Confirm</source>
        <translation>Tilora&#xa0;: Confirmation</translation>
    </message>
    <message>
        <source>Do you want to use this picture instead of the loaded image?</source>
        <translation>Voulez-vous utiliser cette image à la place de l&apos;image chargée&#xa0;?</translation>
    </message>
    <message>
        <source>Tilora: Query</source>
        <translation>Tilora&#xa0;: Question</translation>
    </message>
    <message>
        <source>Well Done!!

Puzzle Complete!</source>
        <translation>Bien joué&#xa0;!!

Puzzle résolu&#xa0;!</translation>
    </message>
    <message>
        <source>Victory</source>
        <translation>Victoire</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Veuillez saisir un nombre entier.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Veuillez saisir un nombre entier compris entre %1 et %2.</translation>
    </message>
    <message>
        <source>Failed to Open Bitmap. 
Using In-Built Picture Instead.</source>
        <translation>Impossible d&apos;ouvrir l&apos;image.
L&apos;image intégrée est utilisée à la place.</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERREUR</translation>
    </message>
    <message>
        <source>Bitmap Files(*.BMP)|*.bmp|All Files (*.*)|*.*|</source>
        <extracomment>Translate the descriptions only; keep every &quot;|&quot; and pattern.</extracomment>
        <translation>Fichiers bitmap (*.BMP)|*.bmp|Tous les fichiers (*.*)|*.*|</translation>
    </message>
    <message>
        <source>Load Image</source>
        <translation>Charger une image</translation>
    </message>
    <message>
        <source>An error has occured while Opening. Click OK to Abort.</source>
        <translation>Une erreur s&apos;est produite à l&apos;ouverture. Cliquez sur OK pour abandonner.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Error while Loading Image.
       Click OK to Abort.</source>
        <translation>Erreur lors du chargement de l&apos;image.
Cliquez sur OK pour abandonner.</translation>
    </message>
    <message>
        <source>This is not a valid Bitmap file.

The Tilora can only display bitmap files.</source>
        <translation>Ce n&apos;est pas un fichier bitmap valide.

Tilora ne peut afficher que des fichiers bitmap.</translation>
    </message>
    <message>
        <source>Do you Wish to Start a New Game? 
(Click NO to Continue with same game)</source>
        <translation>Voulez-vous commencer une nouvelle partie&#xa0;?
(Cliquez sur Non pour continuer la partie en cours)</translation>
    </message>
    <message>
        <source>Tilora : Query</source>
        <translation>Tilora&#xa0;: Question</translation>
    </message>
    <message>
        <source>Tilora Files(*.TLR)|*.tlr|All Files (*.*)|*.*|</source>
        <extracomment>Translate the descriptions only; keep every &quot;|&quot; and pattern.</extracomment>
        <translation>Fichiers Tilora (*.TLR)|*.tlr|Tous les fichiers (*.*)|*.*|</translation>
    </message>
    <message>
        <source>Tilora : Save Game Progress</source>
        <translation>Tilora&#xa0;: Sauvegarder la partie</translation>
    </message>
    <message>
        <source>Tilora : Load Game Progress</source>
        <translation>Tilora&#xa0;: Charger une partie</translation>
    </message>
    <message>
        <source>Are you sure you want to quit the present game?</source>
        <translation>Voulez-vous vraiment abandonner la partie en cours&#xa0;?</translation>
    </message>
    <message>
        <source>Error while Opening File.
       Click on OK to Abort.</source>
        <translation>Erreur à l&apos;ouverture du fichier.
Cliquez sur OK pour abandonner.</translation>
    </message>
    <message>
        <source>Tilora : Error</source>
        <translation>Tilora&#xa0;: Erreur</translation>
    </message>
    <message>
        <source>Invaid TLR file.
Unable to Open</source>
        <translation>Fichier TLR non valide.
Ouverture impossible</translation>
    </message>
    <message>
        <source>An Error has occured while saving.
Please click on OK to continue.</source>
        <translation>Une erreur s&apos;est produite lors de la sauvegarde.
Cliquez sur OK pour continuer.</translation>
    </message>
    <message>
        <source>Saving Error</source>
        <translation>Erreur de sauvegarde</translation>
    </message>
    <message>
        <source>Tilora: Game Record</source>
        <translation>Tilora&#xa0;: Journal des parties</translation>
    </message>
    <message>
        <source>The game record was damaged. It has been kept as &quot;%1&quot; and a new record has been begun.</source>
        <translation>Le journal des parties était endommagé. Il a été conservé sous «&#xa0;%1&#xa0;» et un nouveau journal a été commencé.</translation>
    </message>
    <message>
        <source>The game record &quot;%1&quot; is damaged and could not be set aside. The games of this session are kept only until Tilora closes.</source>
        <translation>Le journal des parties «&#xa0;%1&#xa0;» est endommagé et n&apos;a pas pu être mis de côté. Les parties de cette session ne sont conservées que jusqu&apos;à la fermeture de Tilora.</translation>
    </message>
    <message>
        <source>The game record &quot;%1&quot; was written by a newer version of Tilora. Its games are counted, but the file is left as it is: the games of this session are kept only until Tilora closes.</source>
        <translation>Le journal des parties «&#xa0;%1&#xa0;» a été écrit par une version plus récente de Tilora. Ses parties sont comptées, mais le fichier reste inchangé&#xa0;: les parties de cette session ne sont conservées que jusqu&apos;à la fermeture de Tilora.</translation>
    </message>
    <message>
        <source>The game record &quot;%1&quot; could not be read (%2). The games of this session are kept only until Tilora closes.</source>
        <translation>Le journal des parties «&#xa0;%1&#xa0;» n&apos;a pas pu être lu (%2). Les parties de cette session ne sont conservées que jusqu&apos;à la fermeture de Tilora.</translation>
    </message>
    <message>
        <source>The game could not be added to the game record &quot;%1&quot; (%2). The games of this session are kept only until Tilora closes.</source>
        <translation>La partie n&apos;a pas pu être ajoutée au journal des parties «&#xa0;%1&#xa0;» (%2). Les parties de cette session ne sont conservées que jusqu&apos;à la fermeture de Tilora.</translation>
    </message>
    <message>
        <source>The game record &quot;%1&quot; holds lines that Tilora cannot read. They are kept in the file as they are and left out of the statistics.</source>
        <translation>Le journal des parties «&#xa0;%1&#xa0;» contient des lignes que Tilora ne sait pas lire. Elles sont gardées telles quelles dans le fichier et laissées hors des statistiques.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete every kept game and all statistics?</source>
        <translation>Voulez-vous vraiment effacer toutes les parties conservées et toutes les statistiques&#xa0;?</translation>
    </message>
    <message>
        <source>Statistics: Confirm</source>
        <translation>Statistiques&#xa0;: Confirmation</translation>
    </message>
    <message>
        <source>Tilora was ended during a game. Do you want to go on with that game?
(Click NO to discard it)</source>
        <translation>Tilora a été fermé pendant une partie. Voulez-vous reprendre cette partie&#xa0;?
(Cliquez sur Non pour l&apos;abandonner)</translation>
    </message>
    <message>
        <source>Tilora: Paste Deal</source>
        <translation>Tilora&#xa0;: Coller la donne</translation>
    </message>
    <message>
        <source>The text on the clipboard is not a deal. A deal reads as rows of numbers, 0 for the blank, such as &quot;1 2 3 4/5 6 7 8/9 10 11 12/13 14 0 15&quot;, or as &quot;4x4:1,2,3,...,0&quot;.</source>
        <translation>Le texte du presse-papiers n&apos;est pas une donne. Une donne s&apos;écrit en rangées de nombres, 0 pour la case vide, comme «&#xa0;1 2 3 4/5 6 7 8/9 10 11 12/13 14 0 15&#xa0;», ou sous la forme «&#xa0;4x4:1,2,3,...,0&#xa0;».</translation>
    </message>
    <message>
        <source>The deal on the clipboard has the wrong count of numbers: each row must hold as many numbers as there are rows, 16, 25, 64 or 100 in all.</source>
        <translation>La donne du presse-papiers n&apos;a pas le bon nombre de nombres&#xa0;: chaque rangée doit en compter autant qu&apos;il y a de rangées, 16, 25, 64 ou 100 en tout.</translation>
    </message>
    <message>
        <source>The deal on the clipboard has a number twice or lacks one: each number from 0 (the blank) to the count of blocks must appear once.</source>
        <translation>La donne du presse-papiers contient un nombre deux fois ou il lui en manque un&#xa0;: chaque nombre de 0 (la case vide) au nombre de pièces doit y figurer une fois.</translation>
    </message>
    <message>
        <source>The deal on the clipboard cannot be solved: no sequence of slides leads from it to the complete picture.</source>
        <translation>La donne du presse-papiers est insoluble&#xa0;: aucune suite de glissements ne mène à l&apos;image complète.</translation>
    </message>
    <message>
        <source>The deal on the clipboard is of another size: Tilora plays boards of 4, 5, 8 or 10 blocks a side.</source>
        <translation>La donne du presse-papiers est d&apos;une autre taille&#xa0;: Tilora joue sur des plateaux de 4, 5, 8 ou 10 pièces de côté.</translation>
    </message>
    <message>
        <source>Tilora: Replay</source>
        <translation>Tilora&#xa0;: Revoir une partie</translation>
    </message>
    <message>
        <source>There is no game to replay yet: a game is kept for replay once it ends.</source>
        <translation>Il n&apos;y a pas encore de partie à revoir&#xa0;: une partie est gardée pour être revue dès qu&apos;elle se termine.</translation>
    </message>
    <message>
        <source>This game cannot be replayed: its moves were not kept.</source>
        <translation>Cette partie ne peut pas être revue&#xa0;: ses coups n&apos;ont pas été gardés.</translation>
    </message>
</context>
<context>
    <name>OpenPicture</name>
    <message>
        <source>All Picture Files</source>
        <translation>Toutes les images</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be opened: it is missing, you may not read it, or it is not a plain file.</source>
        <translation>Impossible d&apos;ouvrir «&#xa0;%1&#xa0;»&#xa0;: le fichier est absent, vous n&apos;avez pas le droit de le lire, ou ce n&apos;est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a picture file.

Tilora opens PNG, JPEG, GIF and bitmap files, and the other formats of the installed image plugins.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un fichier image.

Tilora ouvre les fichiers PNG, JPEG, GIF et bitmap, ainsi que les autres formats des modules d&apos;images installés.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a picture in a format that Tilora cannot read.</source>
        <translation>«&#xa0;%1&#xa0;» est une image dans un format que Tilora ne sait pas lire.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large: the picture would take more memory than Tilora gives one picture.</source>
        <translation>«&#xa0;%1&#xa0;» est trop grand&#xa0;: l&apos;image demanderait plus de mémoire que Tilora n&apos;en accorde à une image.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is damaged: it starts as a picture, but the picture in it cannot be read.</source>
        <translation>«&#xa0;%1&#xa0;» est endommagé&#xa0;: le fichier commence comme une image, mais l&apos;image qu&apos;il contient est illisible.</translation>
    </message>
</context>
<context>
    <name>PuzzleMenu</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jeu</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>&amp;Open Game</source>
        <translation>&amp;Charger une partie</translation>
    </message>
    <message>
        <source>&amp;Save Game</source>
        <translation>&amp;Sauvegarder la partie</translation>
    </message>
    <message>
        <source>&amp;Best Scores</source>
        <translation>&amp;Meilleurs scores</translation>
    </message>
    <message>
        <source>Difficulty &amp;Level</source>
        <translation>Niveau de &amp;difficulté</translation>
    </message>
    <message>
        <source>No. of Bloc&amp;ks</source>
        <translation>Nombre de &amp;pièces</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Picture</source>
        <translation>&amp;Image</translation>
    </message>
    <message>
        <source>&amp;Open Picture</source>
        <translation>&amp;Ouvrir une image</translation>
    </message>
    <message>
        <source>Change &amp;Picture</source>
        <translation>&amp;Changer d&apos;image</translation>
    </message>
    <message>
        <source>&amp;Bars</source>
        <translation>&amp;Barres</translation>
    </message>
    <message>
        <source>&amp;Flintstones</source>
        <translation>Les &amp;Pierrafeu</translation>
    </message>
    <message>
        <source>&amp;Winnie the Pooh</source>
        <translation>&amp;Winnie l&apos;ourson</translation>
    </message>
    <message>
        <source>&amp;Doughnuts</source>
        <translation>&amp;Donuts</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About ...</source>
        <translation>À &amp;propos...</translation>
    </message>
    <message>
        <source>&amp;How To Play</source>
        <translation>&amp;Comment jouer</translation>
    </message>
    <message>
        <source>&amp;Pause/Restart</source>
        <translation>&amp;Pause/Reprise</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Indice</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Affic&amp;hage</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Zoom &amp;avant</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Taille réelle</translation>
    </message>
    <message>
        <source>Pause/Restart (P or Pause)</source>
        <translation>Pause/Reprise (P ou Pause)</translation>
    </message>
    <message>
        <source>&amp;Numbers on Blocks</source>
        <translation>&amp;Numéros sur les pièces</translation>
    </message>
    <message>
        <source>S&amp;tatistics...</source>
        <translation>S&amp;tatistiques...</translation>
    </message>
    <message>
        <source>Show &amp;Moves</source>
        <translation>Afficher les &amp;coups</translation>
    </message>
    <message>
        <source>&amp;Copy Deal</source>
        <translation>Copier la d&amp;onne</translation>
    </message>
    <message>
        <source>&amp;Paste Deal</source>
        <translation>Co&amp;ller la donne</translation>
    </message>
    <message>
        <source>Repl&amp;ay Last Game...</source>
        <translation>Re&amp;voir la dernière partie...</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Sliding-block picture puzzle: restore the picture by sliding its blocks.</source>
        <translation>Taquin en images&#xa0;: reconstituez l&apos;image en faisant glisser ses pièces.</translation>
    </message>
    <message>
        <source>A picture file to play on, as with Open Picture.</source>
        <translation>Un fichier image sur lequel jouer, comme avec «&#xa0;Ouvrir une image&#xa0;».</translation>
    </message>
    <message>
        <source>Only one picture file can be given; &quot;%1&quot; is one too many.</source>
        <translation>Un seul fichier image peut être indiqué&#xa0;; «&#xa0;%1&#xa0;» est en trop.</translation>
    </message>
    <message>
        <source>Try &quot;%1 --help&quot; for more information.</source>
        <translation>Essayez «&#xa0;%1 --help&#xa0;» pour plus d&apos;informations.</translation>
    </message>
    <message>
        <source>Print every kept game as CSV (oldest first) and exit.</source>
        <translation>Afficher toutes les parties conservées au format CSV (les plus anciennes d&apos;abord) et quitter.</translation>
    </message>
    <message>
        <source>The game record &quot;%1&quot; is damaged.</source>
        <translation>Le journal des parties «&#xa0;%1&#xa0;» est endommagé.</translation>
    </message>
    <message>
        <source>The game record &quot;%1&quot; could not be read (%2).</source>
        <translation>Le journal des parties «&#xa0;%1&#xa0;» n&apos;a pas pu être lu (%2).</translation>
    </message>
    <message>
        <source>tilora: there is no display to open: DISPLAY is not set.</source>
        <translation>tilora&#xa0;: aucun écran à ouvrir&#xa0;: DISPLAY n&apos;est pas défini.</translation>
    </message>
    <message>
        <source>tilora: there is no display to open: WAYLAND_DISPLAY is not set and no Wayland socket was found.</source>
        <translation>tilora&#xa0;: aucun écran à ouvrir&#xa0;: WAYLAND_DISPLAY n&apos;est pas défini et aucune socket Wayland n&apos;a été trouvée.</translation>
    </message>
    <message>
        <source>tilora: there is no display to open: neither DISPLAY nor WAYLAND_DISPLAY is set.</source>
        <translation>tilora&#xa0;: aucun écran à ouvrir&#xa0;: ni DISPLAY ni WAYLAND_DISPLAY n&apos;est défini.</translation>
    </message>
    <message>
        <source>tilora: the display %1 cannot be opened: no X server answers there, or it refuses the game.</source>
        <translation>tilora : impossible d&apos;ouvrir l&apos;écran %1 : aucun serveur X n&apos;y répond, ou il refuse le jeu.</translation>
    </message>
    <message>
        <source>tilora: the Wayland display %1 cannot be opened: no compositor answers there.</source>
        <translation>tilora : impossible d&apos;ouvrir l&apos;écran Wayland %1 : aucun compositeur n&apos;y répond.</translation>
    </message>
    <message>
        <source>tilora: neither the display %1 nor the Wayland display %2 can be opened: nothing answers there.</source>
        <translation>tilora : impossible d&apos;ouvrir l&apos;écran %1 comme l&apos;écran Wayland %2 : rien n&apos;y répond.</translation>
    </message>
</context>
<context>
    <name>tilora::CAboutDlg</name>
    <message>
        <source>About Tilora</source>
        <translation>À propos de Tilora</translation>
    </message>
    <message>
        <source>Tilora

A Tilora puzzle with a difference!</source>
        <translation>Tilora

Un taquin hors du commun&#xa0;!</translation>
    </message>
    <message>
        <source>Written by the
Tilora developers</source>
        <translation>Développé par
l&apos;équipe Tilora</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Licence: GPL v3+</source>
        <translation>Licence&#xa0;: GPL v3+</translation>
    </message>
</context>
<context>
    <name>tilora::CBestScoresDlg</name>
    <message>
        <source>Tilora:  Best Scores</source>
        <translation>Tilora&#xa0;: Meilleurs scores</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Best Scores</source>
        <translation>Records</translation>
    </message>
    <message>
        <source>Hall of Fame</source>
        <translation>Palmarès</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>&amp;Reset Scores</source>
        <translation>&amp;Effacer</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Score in seconds</source>
        <translation>Score en secondes</translation>
    </message>
</context>
<context>
    <name>tilora::CBlocksDlg</name>
    <message>
        <source>Tilora : No. of Blocks</source>
        <translation>Tilora&#xa0;: Nombre de pièces</translation>
    </message>
    <message>
        <source>Choose the number of blocks to divide the picture into</source>
        <translation>En combien de pièces découper l&apos;image&#xa0;?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>tilora::CHighScoreDlg</name>
    <message>
        <source>Tilora : High Score!</source>
        <translation>Tilora&#xa0;: Nouveau record&#xa0;!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Congratulations!!

HIGH SCORE!!</source>
        <translation>Bravo&#xa0;!!

RECORD&#xa0;!!</translation>
    </message>
    <message>
        <source>Please enter your name below</source>
        <translation>Entrez votre nom&#xa0;:</translation>
    </message>
</context>
<context>
    <name>tilora::CInstructionsDlg</name>
    <message>
        <source>Tilora : Instructions</source>
        <translation>Tilora&#xa0;: Règles du jeu</translation>
    </message>
    <message>
        <source>The Game of Tilora</source>
        <translation>Le jeu Tilora</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Règles</translation>
    </message>
    <message>
        <source>The  aim of the game is to reconstruct the given picture. At the start, the computer jumbles up the picture, based on the difficulty level that you choose. Then you have to reconstruct the picture in the minimal time possible.</source>
        <translation>Le but du jeu est de reconstituer l&apos;image donnée. Au départ, l&apos;ordinateur mélange l&apos;image selon le niveau de difficulté choisi. À vous de la reconstituer le plus vite possible.</translation>
    </message>
    <message>
        <source>In order to reconstruct the picture, you have to move the adjacent blocks into the vacant space. You can only move a block horizontally or vertically. Diagonal movement is not allowed. Only one block can me moved at a time.</source>
        <translation>Pour reconstituer l&apos;image, faites glisser les pièces voisines dans la case vide. Une pièce ne se déplace qu&apos;horizontalement ou verticalement, jamais en diagonale. Une seule pièce bouge à la fois.</translation>
    </message>
    <message>
        <source>To move a block, you can either click at it, drag it and drop it or simply double click the mouse at it.</source>
        <translation>Pour déplacer une pièce, cliquez dessus, faites-la glisser ou double-cliquez simplement dessus.</translation>
    </message>
    <message>
        <source>Hope you have fun!</source>
        <translation>Amusez-vous bien&#xa0;!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>You can also play from the keyboard: an arrow key moves the block beside the vacant space into it. Ctrl+Z takes a move back and Ctrl+Y makes it again. Stuck? Press H and the computer makes the next move for you, but a game won with its help does not enter the high scores.</source>
        <translation>Vous pouvez aussi jouer au clavier&#xa0;: une flèche fait glisser la pièce voisine dans la case vide. Ctrl+Z annule un coup, Ctrl+Y le rejoue. Bloqué&#xa0;? Appuyez sur H et l&apos;ordinateur joue le coup suivant, mais une partie gagnée avec son aide n&apos;entre pas dans les meilleurs scores.</translation>
    </message>
    <message>
        <source>Playing by ear: with a screen reader, Shift and an arrow key move a reading cursor over the blocks without moving any, Space or Enter slides the block under it, and Home takes it back to the vacant space. R reads the cursor&apos;s row, B the blocks around the vacant space, T the time and moves so far.</source>
        <translation>Jouer à l&apos;oreille : avec un lecteur d&apos;écran, Maj et une flèche déplacent un curseur de lecture sur les pièces sans en bouger aucune, Espace ou Entrée fait glisser la pièce sous le curseur, Origine le ramène à la case vide. R lit la ligne du curseur, B les pièces autour de la case vide, T le temps et les coups.</translation>
    </message>
</context>
<context>
    <name>tilora::CLevelDlg</name>
    <message>
        <source>Tilora : Level of Difficulty</source>
        <translation>Tilora&#xa0;: Niveau de difficulté</translation>
    </message>
    <message>
        <source>Please Choose Level of Difficulty(1 - 100)</source>
        <translation>Choisissez le niveau de difficulté (1 - 100)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Level of difficulty</source>
        <translation>Niveau de difficulté</translation>
    </message>
</context>
<context>
    <name>tilora::CPuzzleDlg</name>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>Réd&amp;uire</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;About Tilora...</source>
        <translation>À &amp;propos de Tilora...</translation>
    </message>
    <message>
        <source>Complete Picture</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>Seconds Elapsed</source>
        <translation>Secondes écoulées</translation>
    </message>
    <message>
        <source>Tilora

The game of Tilora with a difference. Build the picture shown below by moving adjacent pieces into the blank space by double clicking or dragging and dropping them.</source>
        <translation>Tilora

Un taquin pas comme les autres. Reconstituez l&apos;image ci-dessous en faisant glisser les pièces voisines dans la case vide, par double-clic ou par glisser-déposer.</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Preparing the hints: the first one takes a few seconds</source>
        <translation>Préparation des indices : le premier prend quelques secondes</translation>
    </message>
    <message>
        <source>Game paused</source>
        <translation>Partie en pause</translation>
    </message>
    <message>
        <source>Game restarted</source>
        <translation>Partie reprise</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>Tilora - Moves: %1</source>
        <translation>Tilora - Coups&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>tilora::CReplayDlg</name>
    <message>
        <source>A %1 x %1 game won in %2 s with %3 moves, on %4.</source>
        <translation>Une partie %1 x %1 gagnée en %2&#xa0;s en %3 coups, le %4.</translation>
    </message>
    <message>
        <source>A %1 x %1 game given up after %2 s and %3 moves, on %4.</source>
        <translation>Une partie %1 x %1 abandonnée après %2&#xa0;s et %3 coups, le %4.</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Revoir une partie</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Coup</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Début</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Reculer</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Lire</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Avancer</translation>
    </message>
    <message>
        <source>&amp;End</source>
        <translation>Fi&amp;n</translation>
    </message>
    <message>
        <source>Spee&amp;d:</source>
        <translation>&amp;Vitesse&#xa0;:</translation>
    </message>
    <message>
        <source>As played</source>
        <translation>Comme jouée</translation>
    </message>
    <message>
        <source>Steady, 4 moves a second</source>
        <translation>Régulière, 4 coups par seconde</translation>
    </message>
    <message>
        <source>Show the Shortest &amp;Way</source>
        <translation>Montrer le plus &amp;court chemin</translation>
    </message>
    <message>
        <source>Move %1 of %2</source>
        <translation>Coup %1 sur %2</translation>
    </message>
    <message>
        <source>Time: %1 s</source>
        <translation>Temps&#xa0;: %1&#xa0;s</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>Pau&amp;se</translation>
    </message>
    <message>
        <source>Looking for the shortest way...</source>
        <translation>Recherche du plus court chemin...</translation>
    </message>
    <message>
        <source>The shortest way could not be found.</source>
        <translation>Le plus court chemin n&apos;a pas pu être trouvé.</translation>
    </message>
    <message>
        <source>Show &amp;Your Game</source>
        <translation>Montrer votre &amp;partie</translation>
    </message>
    <message>
        <source>The shortest way takes %1 moves; the game took %2.</source>
        <translation>Le plus court chemin prend %1 coups&#xa0;; la partie en a pris %2.</translation>
    </message>
    <message>
        <source>Move count</source>
        <translation>Compteur de coups</translation>
    </message>
    <message>
        <source>Game clock</source>
        <translation>Horloge de la partie</translation>
    </message>
</context>
<context>
    <name>tilora::CStatisticsDlg</name>
    <message>
        <source>%1 s</source>
        <translation>%1&#xa0;s</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Games played</source>
        <translation>Parties jouées</translation>
    </message>
    <message>
        <source>Games won</source>
        <translation>Parties gagnées</translation>
    </message>
    <message>
        <source>Best time</source>
        <translation>Meilleur temps</translation>
    </message>
    <message>
        <source>Mean time</source>
        <translation>Temps moyen</translation>
    </message>
    <message>
        <source>Fewest moves</source>
        <translation>Moins de coups</translation>
    </message>
    <message>
        <source>Mean efficiency</source>
        <translation>Efficacité moyenne</translation>
    </message>
    <message>
        <source>Current streak</source>
        <translation>Série en cours</translation>
    </message>
    <message>
        <source>Best streak</source>
        <translation>Meilleure série</translation>
    </message>
    <message>
        <source>Best average of 5</source>
        <translation>Meilleure moyenne sur 5</translation>
    </message>
    <message>
        <source>Best average of 12</source>
        <translation>Meilleure moyenne sur 12</translation>
    </message>
    <message>
        <source>Moves per second (best game)</source>
        <translation>Coups par seconde (meilleure partie)</translation>
    </message>
    <message>
        <source>Helped games (won)</source>
        <translation>Parties avec indice (gagnées)</translation>
    </message>
    <message>
        <source>&amp;Reset...</source>
        <translation>&amp;Réinitialiser...</translation>
    </message>
    <message>
        <source>%1 x %2</source>
        <translation>%1 x %2</translation>
    </message>
    <message>
        <source>The record could not be written: %1</source>
        <translation>Le journal n&apos;a pas pu être écrit&#xa0;: %1</translation>
    </message>
    <message>
        <source>The record file is not in use; the games of this session are kept until Tilora closes.</source>
        <translation>Le fichier du journal n&apos;est pas utilisé&#xa0;; les parties de cette session sont conservées jusqu&apos;à la fermeture de Tilora.</translation>
    </message>
    <message>
        <source>at least %1</source>
        <translation>au moins %1</translation>
    </message>
    <message>
        <source>Last game: none won since Tilora started.</source>
        <translation>Dernière partie&#xa0;: aucune gagnée depuis le lancement de Tilora.</translation>
    </message>
    <message>
        <source>not known yet</source>
        <translation>pas encore connu</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Last game: %1 moves, shortest %2, efficiency %3, time %4 s</source>
        <translation>Dernière partie&#xa0;: %1 coups, plus court %2, efficacité %3, temps %4&#xa0;s</translation>
    </message>
    <message>
        <source>Last game (helped by a hint): %1 moves, shortest %2, efficiency %3, time %4 s</source>
        <translation>Dernière partie (aidée par un indice)&#xa0;: %1 coups, plus court %2, efficacité %3, temps %4&#xa0;s</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <translation>%1, %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 secondes</translation>
    </message>
    <message>
        <source>Re&amp;play...</source>
        <translation>Re&amp;voir...</translation>
    </message>
</context>
<context>
    <name>tilora::SlideMotion</name>
    <message>
        <source>Animate &amp;Slides</source>
        <translation>Animer les &amp;glissements</translation>
    </message>
    <message>
        <source>As the &amp;Desktop Wishes</source>
        <translation>Comme le &amp;bureau le souhaite</translation>
    </message>
    <message>
        <source>&amp;Always</source>
        <translation>&amp;Toujours</translation>
    </message>
    <message>
        <source>&amp;Never</source>
        <translation>&amp;Jamais</translation>
    </message>
</context>
<context>
    <name>tilora::TimesChart</name>
    <message>
        <source>Chart of times</source>
        <translation>Graphique des temps</translation>
    </message>
    <message>
        <source>The same data is in the table below the chart.</source>
        <translation>Les mêmes données figurent dans le tableau sous le graphique.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Average of 5</source>
        <translation>Moyenne sur 5</translation>
    </message>
    <message>
        <source>Average of 12</source>
        <translation>Moyenne sur 12</translation>
    </message>
    <message>
        <source>Best so far</source>
        <translation>Meilleur jusqu&apos;ici</translation>
    </message>
    <message>
        <source>Helped (not in the lines)</source>
        <translation>Avec indice (hors des courbes)</translation>
    </message>
    <message>
        <source>Abandoned (the slowest)</source>
        <translation>Abandonnée (la plus lente)</translation>
    </message>
    <message>
        <source>No games of this size yet.</source>
        <translation>Aucune partie de cette taille pour l&apos;instant.</translation>
    </message>
    <message>
        <source>Chart of times for:</source>
        <translation>Graphique des temps pour&#xa0;:</translation>
    </message>
    <message>
        <source>Times, game by game</source>
        <translation>Temps, partie par partie</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Partie</translation>
    </message>
    <message>
        <source>%1 x %2</source>
        <translation>%1 x %2</translation>
    </message>
    <message>
        <source>abandoned</source>
        <translation>abandonnée</translation>
    </message>
    <message>
        <source>%1 (helped)</source>
        <translation>%1 (avec indice)</translation>
    </message>
</context>
</TS>
