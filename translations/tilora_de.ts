<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>BoardPainter</name>
    <message>
        <source>To Start, Click at the Menu</source>
        <translation>Zum Starten: Menü anklicken</translation>
    </message>
    <message>
        <source>By the Tilora developers</source>
        <translation>Von den Tilora-Entwicklern</translation>
    </message>
</context>
<context>
    <name>BoardView</name>
    <message>
        <source>Board</source>
        <translation>Spielfeld</translation>
    </message>
    <message>
        <source>No game</source>
        <translation>Kein Spiel</translation>
    </message>
    <message>
        <source>Game paused</source>
        <translation>Spiel angehalten</translation>
    </message>
    <message>
        <source>Blank, row %1, column %2</source>
        <translation>Lücke, Zeile %1, Spalte %2</translation>
    </message>
    <message>
        <source>Block %1, row %2, column %3</source>
        <translation>Teil %1, Zeile %2, Spalte %3</translation>
    </message>
    <message>
        <source>Block %1 moved left</source>
        <translation>Teil %1 nach links verschoben</translation>
    </message>
    <message>
        <source>Block %1 moved right</source>
        <translation>Teil %1 nach rechts verschoben</translation>
    </message>
    <message>
        <source>Block %1 moved up</source>
        <translation>Teil %1 nach oben verschoben</translation>
    </message>
    <message>
        <source>Block %1 moved down</source>
        <translation>Teil %1 nach unten verschoben</translation>
    </message>
    <message>
        <source>Blocks %1 and %2 moved left</source>
        <translation>Teile %1 und %2 nach links verschoben</translation>
    </message>
    <message>
        <source>Blocks %1 and %2 moved right</source>
        <translation>Teile %1 und %2 nach rechts verschoben</translation>
    </message>
    <message>
        <source>Blocks %1 and %2 moved up</source>
        <translation>Teile %1 und %2 nach oben verschoben</translation>
    </message>
    <message>
        <source>Blocks %1 and %2 moved down</source>
        <translation>Teile %1 und %2 nach unten verschoben</translation>
    </message>
    <message>
        <source>The picture is complete</source>
        <translation>Das Bild ist vollständig</translation>
    </message>
    <message>
        <source>blank</source>
        <translation>Lücke</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>%1 above</source>
        <translation>%1 darüber</translation>
    </message>
    <message>
        <source>%1 to the left</source>
        <translation>%1 links</translation>
    </message>
    <message>
        <source>%1 to the right</source>
        <translation>%1 rechts</translation>
    </message>
    <message>
        <source>%1 below</source>
        <translation>%1 darunter</translation>
    </message>
    <message>
        <source>Around the blank: %1</source>
        <translation>Um die Lücke: %1</translation>
    </message>
    <message>
        <source>Seconds elapsed: %1. Moves: %2</source>
        <translation>Verstrichene Sekunden: %1. Züge: %2</translation>
    </message>
    <message>
        <source>The game is over</source>
        <translation>Das Spiel ist vorbei</translation>
    </message>
    <message>
        <source>The blank does not slide</source>
        <translation>Die Lücke lässt sich nicht schieben</translation>
    </message>
    <message>
        <source>Block %1 cannot slide: it is not beside the blank</source>
        <translation>Teil %1 lässt sich nicht schieben: Es liegt nicht neben der Lücke</translation>
    </message>
    <message>
        <source>Nothing saved: no game is running</source>
        <translation>Nichts gespeichert: kein Spiel läuft</translation>
    </message>
    <message>
        <source>Nothing to undo: no game is running</source>
        <translation>Nichts rückgängig zu machen: kein Spiel läuft</translation>
    </message>
    <message>
        <source>Nothing to redo: no game is running</source>
        <translation>Nichts zu wiederholen: kein Spiel läuft</translation>
    </message>
    <message>
        <source>No hint: no game is running</source>
        <translation>Kein Tipp: kein Spiel läuft</translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <translation>Nichts rückgängig zu machen</translation>
    </message>
    <message>
        <source>Nothing to redo</source>
        <translation>Nichts zu wiederholen</translation>
    </message>
    <message>
        <source>Game saved</source>
        <translation>Spiel gespeichert</translation>
    </message>
    <message>
        <source>Game opened</source>
        <translation>Spiel geöffnet</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Are you sure you want to start a new game?</source>
        <translation>Möchten Sie wirklich ein neues Spiel beginnen?</translation>
    </message>
    <message>
        <source>New Game: Confirm</source>
        <translation>Neues Spiel: Bestätigung</translation>
    </message>
    <message>
        <source>Are you sure you want to quit the game?</source>
        <translation>Möchten Sie das Spiel wirklich beenden?</translation>
    </message>
    <message>
        <source>Exit Game: Confirm</source>
        <translation>Spiel beenden: Bestätigung</translation>
    </message>
    <message>
        <source>By doing this, you will have to start a new game.

     Are you sure you want to start a new game?</source>
        <translation>Dafür müssen Sie ein neues Spiel beginnen.

Möchten Sie wirklich ein neues Spiel beginnen?</translation>
    </message>
    <message>
        <source>Tilora : Confirm</source>
        <translation>Tilora: Bestätigung</translation>
    </message>
    <message>
        <source>Do you want to use this picture instead of the loaded image?</source>
        <translation>Möchten Sie dieses Bild statt des geladenen verwenden?</translation>
    </message>
    <message>
        <source>Tilora: Query</source>
        <translation>Tilora: Frage</translation>
    </message>
    <message>
        <source>Well Done!!

Puzzle Complete!</source>
        <translation>Gut gemacht!!

Puzzle gelöst!</translation>
    </message>
    <message>
        <source>Victory</source>
        <translation>Sieg</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Bitte geben Sie eine ganze Zahl ein.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Bitte geben Sie eine ganze Zahl zwischen %1 und %2 ein.</translation>
    </message>
    <message>
        <source>Failed to Open Bitmap. 
Using In-Built Picture Instead.</source>
        <translation>Das Bild konnte nicht geöffnet werden.
Stattdessen wird das eingebaute Bild verwendet.</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>FEHLER</translation>
    </message>
    <message>
        <source>Bitmap Files(*.BMP)|*.bmp|All Files (*.*)|*.*|</source>
        <extracomment>Translate the descriptions only; keep every &quot;|&quot; and pattern.</extracomment>
        <translation>Bitmap-Dateien (*.BMP)|*.bmp|Alle Dateien (*.*)|*.*|</translation>
    </message>
    <message>
        <source>Load Image</source>
        <translation>Bild laden</translation>
    </message>
    <message>
        <source>An error has occured while Opening. Click OK to Abort.</source>
        <translation>Beim Öffnen ist ein Fehler aufgetreten. Klicken Sie auf OK, um abzubrechen.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Error while Loading Image.
       Click OK to Abort.</source>
        <translation>Fehler beim Laden des Bildes.
Klicken Sie auf OK, um abzubrechen.</translation>
    </message>
    <message>
        <source>This is not a valid Bitmap file.

The Tilora can only display bitmap files.</source>
        <translation>Dies ist keine gültige Bitmap-Datei.

Tilora kann nur Bitmap-Dateien anzeigen.</translation>
    </message>
    <message>
        <source>Do you Wish to Start a New Game? 
(Click NO to Continue with same game)</source>
        <translation>Möchten Sie ein neues Spiel beginnen?
(Klicken Sie auf Nein, um das laufende Spiel fortzusetzen)</translation>
    </message>
    <message>
        <source>Tilora : Query</source>
        <translation>Tilora: Frage</translation>
    </message>
    <message>
        <source>Tilora Files(*.TLR)|*.tlr|All Files (*.*)|*.*|</source>
        <extracomment>Translate the descriptions only; keep every &quot;|&quot; and pattern.</extracomment>
        <translation>Tilora-Dateien (*.TLR)|*.tlr|Alle Dateien (*.*)|*.*|</translation>
    </message>
    <message>
        <source>Tilora : Save Game Progress</source>
        <translation>Tilora: Spielstand speichern</translation>
    </message>
    <message>
        <source>Tilora : Load Game Progress</source>
        <translation>Tilora: Spielstand laden</translation>
    </message>
    <message>
        <source>Are you sure you want to quit the present game?</source>
        <translation>Möchten Sie das laufende Spiel wirklich abbrechen?</translation>
    </message>
    <message>
        <source>Error while Opening File.
       Click on OK to Abort.</source>
        <translation>Fehler beim Öffnen der Datei.
Klicken Sie auf OK, um abzubrechen.</translation>
    </message>
    <message>
        <source>Tilora : Error</source>
        <translation>Tilora: Fehler</translation>
    </message>
    <message>
        <source>Invaid TLR file.
Unable to Open</source>
        <translation>Ungültige TLR-Datei.
Öffnen nicht möglich</translation>
    </message>
    <message>
        <source>An Error has occured while saving.
Please click on OK to continue.</source>
        <translation>Beim Speichern ist ein Fehler aufgetreten.
Bitte klicken Sie auf OK, um fortzufahren.</translation>
    </message>
    <message>
        <source>Saving Error</source>
        <translation>Fehler beim Speichern</translation>
    </message>
    <message>
        <source>Tilora: Game Record</source>
        <translation>Tilora: Spielchronik</translation>
    </message>
    <message>
        <source>The game record was damaged. It has been kept as &quot;%1&quot; and a new record has been begun.</source>
        <translation>Die Spielchronik war beschädigt. Sie wurde als „%1“ aufbewahrt, und eine neue Chronik wurde begonnen.</translation>
    </message>
    <message>
        <source>The game record &quot;%1&quot; is damaged and could not be set aside. The games of this session are kept only until Tilora closes.</source>
        <translation>Die Spielchronik „%1“ ist beschädigt und konnte nicht beiseitegelegt werden. Die Spiele dieser Sitzung werden nur bis zum Beenden von Tilora aufbewahrt.</translation>
    </message>
    <message>
        <source>The game record &quot;%1&quot; was written by a newer version of Tilora. Its games are counted, but the file is left as it is: the games of this session are kept only until Tilora closes.</source>
        <translation>Die Spielchronik „%1“ wurde von einer neueren Version von Tilora geschrieben. Ihre Spiele werden gezählt, aber die Datei bleibt unverändert: Die Spiele dieser Sitzung werden nur bis zum Beenden von Tilora aufbewahrt.</translation>
    </message>
    <message>
        <source>The game record &quot;%1&quot; could not be read (%2). The games of this session are kept only until Tilora closes.</source>
        <translation>Die Spielchronik „%1“ konnte nicht gelesen werden (%2). Die Spiele dieser Sitzung werden nur bis zum Beenden von Tilora aufbewahrt.</translation>
    </message>
    <message>
        <source>The game could not be added to the game record &quot;%1&quot; (%2). The games of this session are kept only until Tilora closes.</source>
        <translation>Das Spiel konnte nicht in die Spielchronik „%1“ eingetragen werden (%2). Die Spiele dieser Sitzung werden nur bis zum Beenden von Tilora aufbewahrt.</translation>
    </message>
    <message>
        <source>The game record &quot;%1&quot; holds lines that Tilora cannot read. They are kept in the file as they are and left out of the statistics.</source>
        <translation>Die Spielchronik „%1“ enthält Zeilen, die Tilora nicht lesen kann. Sie bleiben unverändert in der Datei und werden in der Statistik nicht berücksichtigt.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete every kept game and all statistics?</source>
        <translation>Möchten Sie wirklich alle aufbewahrten Spiele und die gesamte Statistik löschen?</translation>
    </message>
    <message>
        <source>Statistics: Confirm</source>
        <translation>Statistik: Bestätigung</translation>
    </message>
    <message>
        <source>Tilora was ended during a game. Do you want to go on with that game?
(Click NO to discard it)</source>
        <translation>Tilora wurde während eines Spiels beendet. Möchten Sie dieses Spiel fortsetzen?
(Klicken Sie auf Nein, um es zu verwerfen)</translation>
    </message>
    <message>
        <source>Tilora: Paste Deal</source>
        <translation>Tilora: Stellung einfügen</translation>
    </message>
    <message>
        <source>The text on the clipboard is not a deal. A deal reads as rows of numbers, 0 for the blank, such as &quot;1 2 3 4/5 6 7 8/9 10 11 12/13 14 0 15&quot;, or as &quot;4x4:1,2,3,...,0&quot;.</source>
        <translation>Der Text in der Zwischenablage ist keine Stellung. Eine Stellung besteht aus Zeilen von Zahlen, 0 für die Lücke, etwa „1 2 3 4/5 6 7 8/9 10 11 12/13 14 0 15“, oder lautet „4x4:1,2,3,...,0“.</translation>
    </message>
    <message>
        <source>The deal on the clipboard has the wrong count of numbers: each row must hold as many numbers as there are rows, 16, 25, 64 or 100 in all.</source>
        <translation>Die Stellung in der Zwischenablage hat die falsche Anzahl von Zahlen: Jede Zeile muss so viele Zahlen enthalten, wie es Zeilen gibt, insgesamt 16, 25, 64 oder 100.</translation>
    </message>
    <message>
        <source>The deal on the clipboard has a number twice or lacks one: each number from 0 (the blank) to the count of blocks must appear once.</source>
        <translation>In der Stellung in der Zwischenablage kommt eine Zahl doppelt vor oder eine fehlt: Jede Zahl von 0 (die Lücke) bis zur Anzahl der Teile muss genau einmal vorkommen.</translation>
    </message>
    <message>
        <source>The deal on the clipboard cannot be solved: no sequence of slides leads from it to the complete picture.</source>
        <translation>Die Stellung in der Zwischenablage ist nicht lösbar: Keine Folge von Zügen führt von ihr zum vollständigen Bild.</translation>
    </message>
    <message>
        <source>The deal on the clipboard is of another size: Tilora plays boards of 4, 5, 8 or 10 blocks a side.</source>
        <translation>Die Stellung in der Zwischenablage hat eine andere Größe: Tilora spielt mit 4, 5, 8 oder 10 Teilen pro Seite.</translation>
    </message>
    <message>
        <source>Tilora: Replay</source>
        <translation>Tilora: Wiederholung</translation>
    </message>
    <message>
        <source>There is no game to replay yet: a game is kept for replay once it ends.</source>
        <translation>Es gibt noch kein Spiel zum Wiederholen: Ein Spiel wird für die Wiederholung aufbewahrt, sobald es endet.</translation>
    </message>
    <message>
        <source>This game cannot be replayed: its moves were not kept.</source>
        <translation>Dieses Spiel kann nicht wiederholt werden: Seine Züge wurden nicht aufbewahrt.</translation>
    </message>
</context>
<context>
    <name>OpenPicture</name>
    <message>
        <source>All Picture Files</source>
        <translation>Alle Bilddateien</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be opened: it is missing, you may not read it, or it is not a plain file.</source>
        <translation>„%1“ kann nicht geöffnet werden: Die Datei fehlt, Sie dürfen sie nicht lesen, oder sie ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a picture file.

Tilora opens PNG, JPEG, GIF and bitmap files, and the other formats of the installed image plugins.</source>
        <translation>„%1“ ist keine Bilddatei.

Tilora öffnet PNG-, JPEG-, GIF- und Bitmap-Dateien sowie die anderen Formate der installierten Bild-Plugins.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a picture in a format that Tilora cannot read.</source>
        <translation>„%1“ ist ein Bild in einem Format, das Tilora nicht lesen kann.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large: the picture would take more memory than Tilora gives one picture.</source>
        <translation>„%1“ ist zu groß: Das Bild bräuchte mehr Speicher, als Tilora einem Bild zugesteht.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is damaged: it starts as a picture, but the picture in it cannot be read.</source>
        <translation>„%1“ ist beschädigt: Die Datei beginnt wie ein Bild, aber das Bild darin kann nicht gelesen werden.</translation>
    </message>
</context>
<context>
    <name>PuzzleMenu</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>&amp;Open Game</source>
        <translation>Spiel &amp;laden</translation>
    </message>
    <message>
        <source>&amp;Save Game</source>
        <translation>Spiel &amp;speichern</translation>
    </message>
    <message>
        <source>&amp;Best Scores</source>
        <translation>&amp;Bestenliste</translation>
    </message>
    <message>
        <source>Difficulty &amp;Level</source>
        <translation>Schwierigkeits&amp;grad</translation>
    </message>
    <message>
        <source>No. of Bloc&amp;ks</source>
        <translation>&amp;Anzahl der Teile</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>&amp;Picture</source>
        <translation>&amp;Bild</translation>
    </message>
    <message>
        <source>&amp;Open Picture</source>
        <translation>Bild &amp;laden</translation>
    </message>
    <message>
        <source>Change &amp;Picture</source>
        <translation>Bild &amp;wechseln</translation>
    </message>
    <message>
        <source>&amp;Bars</source>
        <translation>&amp;Balken</translation>
    </message>
    <message>
        <source>&amp;Flintstones</source>
        <translation>&amp;Familie Feuerstein</translation>
    </message>
    <message>
        <source>&amp;Winnie the Pooh</source>
        <translation>&amp;Winnie Puuh</translation>
    </message>
    <message>
        <source>&amp;Doughnuts</source>
        <translation>&amp;Donuts</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About ...</source>
        <translation>&amp;Über ...</translation>
    </message>
    <message>
        <source>&amp;How To Play</source>
        <translation>&amp;Spielanleitung</translation>
    </message>
    <message>
        <source>&amp;Pause/Restart</source>
        <translation>&amp;Pause/Weiter</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Tipp</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Originalgröße</translation>
    </message>
    <message>
        <source>Pause/Restart (P or Pause)</source>
        <translation>Pause/Weiter (P oder Pause)</translation>
    </message>
    <message>
        <source>&amp;Numbers on Blocks</source>
        <translation>&amp;Nummern auf den Teilen</translation>
    </message>
    <message>
        <source>S&amp;tatistics...</source>
        <translation>Stat&amp;istik...</translation>
    </message>
    <message>
        <source>Show &amp;Moves</source>
        <translation>&amp;Züge anzeigen</translation>
    </message>
    <message>
        <source>&amp;Copy Deal</source>
        <translation>Stellung &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste Deal</source>
        <translation>Stellung ein&amp;fügen</translation>
    </message>
    <message>
        <source>Repl&amp;ay Last Game...</source>
        <translation>Wieder&amp;holung des letzten Spiels...</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Sliding-block picture puzzle: restore the picture by sliding its blocks.</source>
        <translation>Schiebepuzzle mit Bildern: Setzen Sie das Bild wieder zusammen, indem Sie seine Teile verschieben.</translation>
    </message>
    <message>
        <source>A picture file to play on, as with Open Picture.</source>
        <translation>Eine Bilddatei zum Spielen, wie mit „Bild laden“.</translation>
    </message>
    <message>
        <source>Only one picture file can be given; &quot;%1&quot; is one too many.</source>
        <translation>Es kann nur eine Bilddatei angegeben werden; „%1“ ist eine zu viel.</translation>
    </message>
    <message>
        <source>Try &quot;%1 --help&quot; for more information.</source>
        <translation>Versuchen Sie „%1 --help“ für weitere Informationen.</translation>
    </message>
    <message>
        <source>Print every kept game as CSV (oldest first) and exit.</source>
        <translation>Alle aufbewahrten Spiele als CSV ausgeben (älteste zuerst) und beenden.</translation>
    </message>
    <message>
        <source>The game record &quot;%1&quot; is damaged.</source>
        <translation>Die Spielchronik „%1“ ist beschädigt.</translation>
    </message>
    <message>
        <source>The game record &quot;%1&quot; could not be read (%2).</source>
        <translation>Die Spielchronik „%1“ konnte nicht gelesen werden (%2).</translation>
    </message>
    <message>
        <source>tilora: there is no display to open: DISPLAY is not set.</source>
        <translation>tilora: Es gibt keinen Bildschirm zum Öffnen: DISPLAY ist nicht gesetzt.</translation>
    </message>
    <message>
        <source>tilora: there is no display to open: WAYLAND_DISPLAY is not set and no Wayland socket was found.</source>
        <translation>tilora: Es gibt keinen Bildschirm zum Öffnen: WAYLAND_DISPLAY ist nicht gesetzt, und es wurde kein Wayland-Socket gefunden.</translation>
    </message>
    <message>
        <source>tilora: there is no display to open: neither DISPLAY nor WAYLAND_DISPLAY is set.</source>
        <translation>tilora: Es gibt keinen Bildschirm zum Öffnen: weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt.</translation>
    </message>
    <message>
        <source>tilora: the display %1 cannot be opened: no X server answers there, or it refuses the game.</source>
        <translation>tilora: Der Bildschirm %1 lässt sich nicht öffnen: Dort antwortet kein X-Server, oder er weist das Spiel ab.</translation>
    </message>
    <message>
        <source>tilora: the Wayland display %1 cannot be opened: no compositor answers there.</source>
        <translation>tilora: Der Wayland-Bildschirm %1 lässt sich nicht öffnen: Dort antwortet kein Compositor.</translation>
    </message>
    <message>
        <source>tilora: neither the display %1 nor the Wayland display %2 can be opened: nothing answers there.</source>
        <translation>tilora: Weder der Bildschirm %1 noch der Wayland-Bildschirm %2 lässt sich öffnen: Dort antwortet nichts.</translation>
    </message>
</context>
<context>
    <name>tilora::CAboutDlg</name>
    <message>
        <source>About Tilora</source>
        <translation>Über Tilora</translation>
    </message>
    <message>
        <source>Tilora

A Tilora puzzle with a difference!</source>
        <translation>Tilora

Ein Schiebepuzzle mit Pfiff!</translation>
    </message>
    <message>
        <source>Written by the
Tilora developers</source>
        <translation>Geschrieben vom
Tilora-Team</translation>
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
        <translation>Lizenz: GPL v3+</translation>
    </message>
</context>
<context>
    <name>tilora::CBestScoresDlg</name>
    <message>
        <source>Tilora:  Best Scores</source>
        <translation>Tilora: Bestenliste</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Best Scores</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>Hall of Fame</source>
        <translation>Ruhmeshalle</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>&amp;Reset Scores</source>
        <translation>&amp;Zurücksetzen</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>Score in seconds</source>
        <translation>Ergebnis in Sekunden</translation>
    </message>
</context>
<context>
    <name>tilora::CBlocksDlg</name>
    <message>
        <source>Tilora : No. of Blocks</source>
        <translation>Tilora: Anzahl der Teile</translation>
    </message>
    <message>
        <source>Choose the number of blocks to divide the picture into</source>
        <translation>In wie viele Teile soll das Bild zerlegt werden?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>tilora::CHighScoreDlg</name>
    <message>
        <source>Tilora : High Score!</source>
        <translation>Tilora: Neuer Rekord!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Congratulations!!

HIGH SCORE!!</source>
        <translation>Glückwunsch!!

REKORD!!</translation>
    </message>
    <message>
        <source>Please enter your name below</source>
        <translation>Bitte Namen eingeben:</translation>
    </message>
</context>
<context>
    <name>tilora::CInstructionsDlg</name>
    <message>
        <source>Tilora : Instructions</source>
        <translation>Tilora: Spielanleitung</translation>
    </message>
    <message>
        <source>The Game of Tilora</source>
        <translation>Das Spiel Tilora</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>The  aim of the game is to reconstruct the given picture. At the start, the computer jumbles up the picture, based on the difficulty level that you choose. Then you have to reconstruct the picture in the minimal time possible.</source>
        <translation>Ziel des Spiels ist es, das vorgegebene Bild wieder zusammenzusetzen. Zu Beginn mischt der Computer die Teile, je nach gewähltem Schwierigkeitsgrad. Setzen Sie das Bild dann so schnell wie möglich wieder zusammen.</translation>
    </message>
    <message>
        <source>In order to reconstruct the picture, you have to move the adjacent blocks into the vacant space. You can only move a block horizontally or vertically. Diagonal movement is not allowed. Only one block can me moved at a time.</source>
        <translation>Um das Bild wiederherzustellen, schieben Sie benachbarte Teile in das freie Feld. Teile lassen sich nur waagerecht oder senkrecht verschieben, nicht diagonal. Es wird immer nur ein Teil auf einmal bewegt.</translation>
    </message>
    <message>
        <source>To move a block, you can either click at it, drag it and drop it or simply double click the mouse at it.</source>
        <translation>Ein Teil bewegen Sie per Klick, durch Ziehen und Ablegen oder einfach per Doppelklick.</translation>
    </message>
    <message>
        <source>Hope you have fun!</source>
        <translation>Viel Spaß!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>You can also play from the keyboard: an arrow key moves the block beside the vacant space into it. Ctrl+Z takes a move back and Ctrl+Y makes it again. Stuck? Press H and the computer makes the next move for you, but a game won with its help does not enter the high scores.</source>
        <translation>Auch mit der Tastatur: Eine Pfeiltaste schiebt das Teil neben dem freien Feld hinein. Strg+Z nimmt einen Zug zurück, Strg+Y wiederholt ihn. Nicht weiter? H macht den nächsten Zug für Sie, doch ein so gewonnenes Spiel kommt nicht in die Bestenliste.</translation>
    </message>
    <message>
        <source>Playing by ear: with a screen reader, Shift and an arrow key move a reading cursor over the blocks without moving any, Space or Enter slides the block under it, and Home takes it back to the vacant space. R reads the cursor&apos;s row, B the blocks around the vacant space, T the time and moves so far.</source>
        <translation>Nach Gehör spielen: Mit einem Bildschirmleser bewegen Umschalt und eine Pfeiltaste einen Lesecursor über die Teile, ohne eines zu verschieben; Leertaste oder Eingabe schiebt das Teil darunter, Pos1 bringt ihn zum freien Feld zurück. R liest die Zeile des Cursors, B die Teile um das freie Feld, T Zeit und Züge.</translation>
    </message>
</context>
<context>
    <name>tilora::CLevelDlg</name>
    <message>
        <source>Tilora : Level of Difficulty</source>
        <translation>Tilora: Schwierigkeitsgrad</translation>
    </message>
    <message>
        <source>Please Choose Level of Difficulty(1 - 100)</source>
        <translation>Bitte Schwierigkeitsgrad wählen (1 - 100)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Level of difficulty</source>
        <translation>Schwierigkeitsgrad</translation>
    </message>
</context>
<context>
    <name>tilora::CPuzzleDlg</name>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>Mi&amp;nimieren</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>&amp;About Tilora...</source>
        <translation>&amp;Über Tilora...</translation>
    </message>
    <message>
        <source>Complete Picture</source>
        <translation>Vorlage</translation>
    </message>
    <message>
        <source>Seconds Elapsed</source>
        <translation>Zeit in Sekunden</translation>
    </message>
    <message>
        <source>Tilora

The game of Tilora with a difference. Build the picture shown below by moving adjacent pieces into the blank space by double clicking or dragging and dropping them.</source>
        <translation>Tilora

Das Schiebepuzzle mit Pfiff. Setzen Sie das unten gezeigte Bild zusammen, indem Sie benachbarte Teile per Doppelklick oder durch Ziehen und Ablegen in das freie Feld schieben.</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Preparing the hints: the first one takes a few seconds</source>
        <translation>Die Tipps werden vorbereitet: Der erste dauert einige Sekunden</translation>
    </message>
    <message>
        <source>Game paused</source>
        <translation>Spiel angehalten</translation>
    </message>
    <message>
        <source>Game restarted</source>
        <translation>Spiel fortgesetzt</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <source>Tilora - Moves: %1</source>
        <translation>Tilora - Züge: %1</translation>
    </message>
</context>
<context>
    <name>tilora::CReplayDlg</name>
    <message>
        <source>A %1 x %1 game won in %2 s with %3 moves, on %4.</source>
        <translation>Ein Spiel %1 x %1, gewonnen in %2 s mit %3 Zügen, am %4.</translation>
    </message>
    <message>
        <source>A %1 x %1 game given up after %2 s and %3 moves, on %4.</source>
        <translation>Ein Spiel %1 x %1, aufgegeben nach %2 s und %3 Zügen, am %4.</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Wiederholung</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Zug</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>An&amp;fang</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Abspielen</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vor</translation>
    </message>
    <message>
        <source>&amp;End</source>
        <translation>&amp;Ende</translation>
    </message>
    <message>
        <source>Spee&amp;d:</source>
        <translation>&amp;Tempo:</translation>
    </message>
    <message>
        <source>As played</source>
        <translation>Wie gespielt</translation>
    </message>
    <message>
        <source>Steady, 4 moves a second</source>
        <translation>Gleichmäßig, 4 Züge pro Sekunde</translation>
    </message>
    <message>
        <source>Show the Shortest &amp;Way</source>
        <translation>&amp;Kürzesten Weg zeigen</translation>
    </message>
    <message>
        <source>Move %1 of %2</source>
        <translation>Zug %1 von %2</translation>
    </message>
    <message>
        <source>Time: %1 s</source>
        <translation>Zeit: %1 s</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Anhalten</translation>
    </message>
    <message>
        <source>Looking for the shortest way...</source>
        <translation>Der kürzeste Weg wird gesucht...</translation>
    </message>
    <message>
        <source>The shortest way could not be found.</source>
        <translation>Der kürzeste Weg konnte nicht gefunden werden.</translation>
    </message>
    <message>
        <source>Show &amp;Your Game</source>
        <translation>&amp;Ihr Spiel zeigen</translation>
    </message>
    <message>
        <source>The shortest way takes %1 moves; the game took %2.</source>
        <translation>Der kürzeste Weg braucht %1 Züge; das Spiel brauchte %2.</translation>
    </message>
    <message>
        <source>Move count</source>
        <translation>Zugzähler</translation>
    </message>
    <message>
        <source>Game clock</source>
        <translation>Spieluhr</translation>
    </message>
</context>
<context>
    <name>tilora::CStatisticsDlg</name>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Games played</source>
        <translation>Gespielte Spiele</translation>
    </message>
    <message>
        <source>Games won</source>
        <translation>Gewonnene Spiele</translation>
    </message>
    <message>
        <source>Best time</source>
        <translation>Bestzeit</translation>
    </message>
    <message>
        <source>Mean time</source>
        <translation>Mittlere Zeit</translation>
    </message>
    <message>
        <source>Fewest moves</source>
        <translation>Wenigste Züge</translation>
    </message>
    <message>
        <source>Mean efficiency</source>
        <translation>Mittlere Effizienz</translation>
    </message>
    <message>
        <source>Current streak</source>
        <translation>Aktuelle Serie</translation>
    </message>
    <message>
        <source>Best streak</source>
        <translation>Beste Serie</translation>
    </message>
    <message>
        <source>Best average of 5</source>
        <translation>Bester Schnitt aus 5</translation>
    </message>
    <message>
        <source>Best average of 12</source>
        <translation>Bester Schnitt aus 12</translation>
    </message>
    <message>
        <source>Moves per second (best game)</source>
        <translation>Züge pro Sekunde (bestes Spiel)</translation>
    </message>
    <message>
        <source>Helped games (won)</source>
        <translation>Spiele mit Tipp (gewonnen)</translation>
    </message>
    <message>
        <source>&amp;Reset...</source>
        <translation>&amp;Zurücksetzen...</translation>
    </message>
    <message>
        <source>%1 x %2</source>
        <translation>%1 x %2</translation>
    </message>
    <message>
        <source>The record could not be written: %1</source>
        <translation>Die Chronik konnte nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>The record file is not in use; the games of this session are kept until Tilora closes.</source>
        <translation>Die Chronikdatei wird nicht verwendet; die Spiele dieser Sitzung werden bis zum Beenden von Tilora aufbewahrt.</translation>
    </message>
    <message>
        <source>at least %1</source>
        <translation>mindestens %1</translation>
    </message>
    <message>
        <source>Last game: none won since Tilora started.</source>
        <translation>Letztes Spiel: seit dem Start von Tilora keines gewonnen.</translation>
    </message>
    <message>
        <source>not known yet</source>
        <translation>noch unbekannt</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Last game: %1 moves, shortest %2, efficiency %3, time %4 s</source>
        <translation>Letztes Spiel: %1 Züge, kürzester Weg %2, Effizienz %3, Zeit %4 s</translation>
    </message>
    <message>
        <source>Last game (helped by a hint): %1 moves, shortest %2, efficiency %3, time %4 s</source>
        <translation>Letztes Spiel (mit Hilfe eines Tipps): %1 Züge, kürzester Weg %2, Effizienz %3, Zeit %4 s</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <translation>%1, %2: %3</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 Sekunden</translation>
    </message>
    <message>
        <source>Re&amp;play...</source>
        <translation>Wieder&amp;holung...</translation>
    </message>
</context>
<context>
    <name>tilora::SlideMotion</name>
    <message>
        <source>Animate &amp;Slides</source>
        <translation>Gleit&amp;animation</translation>
    </message>
    <message>
        <source>As the &amp;Desktop Wishes</source>
        <translation>Wie der &amp;Desktop es wünscht</translation>
    </message>
    <message>
        <source>&amp;Always</source>
        <translation>&amp;Immer</translation>
    </message>
    <message>
        <source>&amp;Never</source>
        <translation>&amp;Nie</translation>
    </message>
</context>
<context>
    <name>tilora::TimesChart</name>
    <message>
        <source>Chart of times</source>
        <translation>Zeitendiagramm</translation>
    </message>
    <message>
        <source>The same data is in the table below the chart.</source>
        <translation>Dieselben Daten stehen in der Tabelle unter dem Diagramm.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Average of 5</source>
        <translation>Durchschnitt aus 5</translation>
    </message>
    <message>
        <source>Average of 12</source>
        <translation>Durchschnitt aus 12</translation>
    </message>
    <message>
        <source>Best so far</source>
        <translation>Bisher beste</translation>
    </message>
    <message>
        <source>Helped (not in the lines)</source>
        <translation>Mit Tipp (nicht in den Linien)</translation>
    </message>
    <message>
        <source>Abandoned (the slowest)</source>
        <translation>Abgebrochen (zählt als langsamste)</translation>
    </message>
    <message>
        <source>No games of this size yet.</source>
        <translation>Noch keine Spiele dieser Größe.</translation>
    </message>
    <message>
        <source>Chart of times for:</source>
        <translation>Zeitendiagramm für:</translation>
    </message>
    <message>
        <source>Times, game by game</source>
        <translation>Zeiten, Spiel für Spiel</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>%1 x %2</source>
        <translation>%1 x %2</translation>
    </message>
    <message>
        <source>abandoned</source>
        <translation>abgebrochen</translation>
    </message>
    <message>
        <source>%1 (helped)</source>
        <translation>%1 (mit Tipp)</translation>
    </message>
</context>
</TS>
