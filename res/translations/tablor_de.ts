<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Tablor</name>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Manual dice</source>
        <translation>Würfel von Hand</translation>
    </message>
    <message>
        <source>Enter roll:</source>
        <translation>Wurf eingeben:</translation>
    </message>
    <message>
        <source>%1 Help</source>
        <translation>%1-Hilfe</translation>
    </message>
    <message>
        <source>st </source>
        <translation>.</translation>
    </message>
    <message>
        <source>nd</source>
        <translation>.</translation>
    </message>
    <message>
        <source>rd </source>
        <translation>.</translation>
    </message>
    <message>
        <source>th </source>
        <translation>.</translation>
    </message>
    <message>
        <source>from  </source>
        <translation>von  </translation>
    </message>
    <message>
        <source>  to  </source>
        <translation>  nach  </translation>
    </message>
    <message>
        <source>Dice: </source>
        <translation>Würfel: </translation>
    </message>
    <message>
        <source>Computer doubles. -Ok ?</source>
        <translation>Der Computer doppelt. -Annehmen ?</translation>
    </message>
    <message>
        <source>Thinking...</source>
        <translation>Denke nach...</translation>
    </message>
    <message>
        <source>Moving...</source>
        <translation>Ziehe...</translation>
    </message>
    <message>
        <source>&lt;Esc&gt; or right mouse to undo</source>
        <translation>&lt;Esc&gt; oder rechte Maustaste nimmt zurück</translation>
    </message>
    <message>
        <source>You cannot move. Press spacebar or click dice</source>
        <translation>Sie können nicht ziehen. Leertaste drücken oder Würfel anklicken</translation>
    </message>
    <message>
        <source>= Computer leads by %d =</source>
        <translation>= Computer führt mit %d =</translation>
    </message>
    <message>
        <source>= You lead by %d =</source>
        <translation>= Sie führen mit %d =</translation>
    </message>
    <message>
        <source>%ld min %02ld sec</source>
        <translation>%ld min %02ld s</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Gleichstand</translation>
    </message>
    <message>
        <source>Computer does not accept</source>
        <translation>Der Computer nimmt nicht an</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>If there is any way to use both dice, then you must do so.

Please undo your move and try again.</source>
        <translation>Wenn beide Würfel gespielt werden können, müssen Sie beide spielen.

Bitte nehmen Sie Ihren Zug zurück und versuchen Sie es noch einmal.</translation>
    </message>
    <message>
        <source>Scheme %c</source>
        <translation>Schema %c</translation>
    </message>
    <message>
        <source>Position files (*.pos)|*.pos|All files (*.*)|*.*||</source>
        <translation>Positionsdateien (*.pos)|*.pos|Alle Dateien (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Text files (*.txt)|*.txt|All files (*.*)|*.*||</source>
        <translation>Textdateien (*.txt)|*.txt|Alle Dateien (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Wave files (*.wav)|*.wav||</source>
        <translation>Wave-Dateien (*.wav)|*.wav||</translation>
    </message>
    <message>
        <source>Click on position to leave from...</source>
        <translation>Klicken Sie auf das Feld, von dem Sie ziehen...</translation>
    </message>
    <message>
        <source>Click on position to move to...</source>
        <translation>Klicken Sie auf das Zielfeld...</translation>
    </message>
    <message>
        <source>Play the BAR piece first</source>
        <translation>Zuerst den BAR-Stein spielen</translation>
    </message>
    <message>
        <source>No move</source>
        <translation>Kein Zug</translation>
    </message>
    <message>
        <source>Keep &lt;Esc&gt; pressed to cancel</source>
        <translation>&lt;Esc&gt; gedrückt halten zum Abbrechen</translation>
    </message>
    <message>
        <source>Start new game ?</source>
        <translation>Neues Spiel beginnen ?</translation>
    </message>
    <message>
        <source>Reset all scores to 0 ?</source>
        <translation>Alle Punktestände auf 0 setzen ?</translation>
    </message>
    <message>
        <source>Invalid position file !</source>
        <translation>Ungültige Positionsdatei !</translation>
    </message>
    <message>
        <source>Invalid rolls file !</source>
        <translation>Ungültige Würfeldatei !</translation>
    </message>
    <message>
        <source> not found</source>
        <translation> nicht gefunden</translation>
    </message>
    <message>
        <source>Cannot save position file !</source>
        <translation>Positionsdatei kann nicht gespeichert werden !</translation>
    </message>
    <message>
        <source> cannot be shown</source>
        <translation> kann nicht angezeigt werden</translation>
    </message>
    <message>
        <source>Game resumed</source>
        <translation>Spiel fortgesetzt</translation>
    </message>
    <message>
        <source>Match files (*.mat)|*.mat|All files (*.*)|*.*||</source>
        <translation>Match-Dateien (*.mat)|*.mat|Alle Dateien (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Cannot write match file !</source>
        <translation>Match-Datei kann nicht geschrieben werden !</translation>
    </message>
    <message>
        <source>Only a game played from the starting position can be exported !</source>
        <translation>Nur ein Spiel ab der Ausgangsstellung kann exportiert werden !</translation>
    </message>
    <message>
        <source>Cannot write settings file !

Scores and settings may be lost when the program ends.</source>
        <translation>Einstellungsdatei kann nicht geschrieben werden !

Punktestände und Einstellungen können beim Beenden des Programms verloren gehen.</translation>
    </message>
    <message>
        <source>Abandon current game and start a new one</source>
        <translation>Aktuelles Spiel abbrechen und ein neues beginnen</translation>
    </message>
    <message>
        <source>Restore a previously saved game</source>
        <translation>Ein zuvor gespeichertes Spiel laden</translation>
    </message>
    <message>
        <source>Save the current game</source>
        <translation>Das aktuelle Spiel speichern</translation>
    </message>
    <message>
        <source>Write the game so far to a match file for analysis</source>
        <translation>Das bisherige Spiel zur Analyse in eine Match-Datei schreiben</translation>
    </message>
    <message>
        <source>Adjust settings of gameplay and interface</source>
        <translation>Einstellungen für Spiel und Oberfläche anpassen</translation>
    </message>
    <message>
        <source>Reset the scores</source>
        <translation>Punktestände zurücksetzen</translation>
    </message>
    <message>
        <source>Show relative progress of game</source>
        <translation>Relativen Spielfortschritt anzeigen</translation>
    </message>
    <message>
        <source>Undo last move(s)</source>
        <translation>Letzte(n) Zug/Züge zurücknehmen</translation>
    </message>
    <message>
        <source>Double the stakes</source>
        <translation>Den Einsatz verdoppeln</translation>
    </message>
    <message>
        <source>Unable to make a move</source>
        <translation>Kein Zug möglich</translation>
    </message>
    <message>
        <source>Give up this game</source>
        <translation>Dieses Spiel aufgeben</translation>
    </message>
    <message>
        <source>Play computer&apos;s best move</source>
        <translation>Besten Zug des Computers spielen</translation>
    </message>
    <message>
        <source>Switch sides with computer</source>
        <translation>Seiten mit dem Computer tauschen</translation>
    </message>
    <message>
        <source>Finish game; let program play both sides</source>
        <translation>Spiel zu Ende spielen; das Programm spielt beide Seiten</translation>
    </message>
    <message>
        <source>Choose or edit a color scheme</source>
        <translation>Farbschema wählen oder bearbeiten</translation>
    </message>
    <message>
        <source>Redraw the screen</source>
        <translation>Bildschirm neu zeichnen</translation>
    </message>
    <message>
        <source>Show help on game and program</source>
        <translation>Hilfe zu Spiel und Programm anzeigen</translation>
    </message>
    <message>
        <source>Show documentation</source>
        <translation>Dokumentation anzeigen</translation>
    </message>
    <message>
        <source>About Tablor</source>
        <translation>Über Tablor</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation>Strg+N</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Strg+O</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Speichern...</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Strg+S</translation>
    </message>
    <message>
        <source>Export &amp;game...</source>
        <translation>Spiel e&amp;xportieren...</translation>
    </message>
    <message>
        <source>Ctrl+E</source>
        <translation>Strg+E</translation>
    </message>
    <message>
        <source>S&amp;ettings...</source>
        <translation>&amp;Einstellungen...</translation>
    </message>
    <message>
        <source>F9</source>
        <translation>F9</translation>
    </message>
    <message>
        <source>&amp;Reset scores</source>
        <translation>Punktestände zu&amp;rücksetzen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Action</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>Show &amp;progress</source>
        <translation>F&amp;ortschritt anzeigen</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>&amp;Double</source>
        <translation>&amp;Verdoppeln</translation>
    </message>
    <message>
        <source>Ctrl+D</source>
        <translation>Strg+D</translation>
    </message>
    <message>
        <source>&amp;Pass</source>
        <translation>&amp;Passen</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Leertaste</translation>
    </message>
    <message>
        <source>&amp;Resign...</source>
        <translation>&amp;Aufgeben...</translation>
    </message>
    <message>
        <source>Ctrl+Space</source>
        <translation>Strg+Leertaste</translation>
    </message>
    <message>
        <source>Suggest &amp;move</source>
        <translation>&amp;Zug vorschlagen</translation>
    </message>
    <message>
        <source>Ctrl+M</source>
        <translation>Strg+M</translation>
    </message>
    <message>
        <source>S&amp;witch sides</source>
        <translation>Seiten &amp;wechseln</translation>
    </message>
    <message>
        <source>Ctrl+W</source>
        <translation>Strg+W</translation>
    </message>
    <message>
        <source>&amp;Finish game</source>
        <translation>Spiel &amp;fertig spielen</translation>
    </message>
    <message>
        <source>Ctrl+F</source>
        <translation>Strg+F</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Colors...</source>
        <translation>&amp;Farben...</translation>
    </message>
    <message>
        <source>Ctrl+C</source>
        <translation>Strg+C</translation>
    </message>
    <message>
        <source>&amp;Redraw</source>
        <translation>&amp;Neu zeichnen</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation>Strg+R</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>&amp;Documentation</source>
        <translation>&amp;Dokumentation</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Über</translation>
    </message>
    <message>
        <source>Backgammon game</source>
        <translation>Backgammon-Spiel</translation>
    </message>
    <message>
        <source>Good luck!</source>
        <translation>Viel Glück!</translation>
    </message>
    <message>
        <source>Version 1.0</source>
        <translation>Version 1.0</translation>
    </message>
    <message>
        <source>Tablor, a backgammon game for the desktop</source>
        <translation>Tablor, ein Backgammon-Spiel für den Desktop</translation>
    </message>
    <message>
        <source>Free software; see Documentation.htm</source>
        <translation>Freie Software; siehe Documentation.htm</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>The Expert level is not available: %s. The computer plays at Good.</source>
        <translation>Die Stufe Experte ist nicht verfügbar: %s. Der Computer spielt auf der Stufe Gut.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Visual</source>
        <translation>Darstellung</translation>
    </message>
    <message>
        <source>S&amp;peed of pieces</source>
        <translation>&amp;Geschwindigkeit der Steine</translation>
    </message>
    <message>
        <source>Show progre&amp;ss bar</source>
        <translation>&amp;Fortschrittsbalken anzeigen</translation>
    </message>
    <message>
        <source>Picture &amp;dice</source>
        <translation>&amp;Würfel als Bilder</translation>
    </message>
    <message>
        <source>Pie&amp;ces shake when hit</source>
        <translation>Geschlagene Steine &amp;zittern</translation>
    </message>
    <message>
        <source>Play clock&amp;wise</source>
        <translation>Im &amp;Uhrzeigersinn spielen</translation>
    </message>
    <message>
        <source>Aut&amp;o finish</source>
        <translation>Automatisch &amp;beenden</translation>
    </message>
    <message>
        <source>H&amp;ighlight</source>
        <translation>&amp;Hervorhebung</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Bitte geben Sie eine ganze Zahl ein.</translation>
    </message>
    <message>
        <source>Please enter an integer between 1 and 50.</source>
        <translation>Bitte geben Sie eine ganze Zahl zwischen 1 und 50 ein.</translation>
    </message>
    <message>
        <source>Always quick</source>
        <translation>Immer schnell</translation>
    </message>
    <message>
        <source>Always slow</source>
        <translation>Immer langsam</translation>
    </message>
    <message>
        <source>Ask</source>
        <translation>Fragen</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Selected position</source>
        <translation>Gewähltes Feld</translation>
    </message>
    <message>
        <source>Possible moves</source>
        <translation>Mögliche Züge</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>S&amp;kill level:</source>
        <translation>Spiel&amp;stärke:</translation>
    </message>
    <message>
        <source>&amp;Auto change turn</source>
        <translation>&amp;Automatischer Spielerwechsel</translation>
    </message>
    <message>
        <source>Auto play &amp;forced moves</source>
        <translation>&amp;Erzwungene Züge automatisch</translation>
    </message>
    <message>
        <source>&amp;Use cube</source>
        <translation>&amp;Dopplerwürfel verwenden</translation>
    </message>
    <message>
        <source>Intelli&amp;gent moves</source>
        <translation>&amp;Intelligente Züge</translation>
    </message>
    <message>
        <source>&amp;Who starts first game ?</source>
        <translation>&amp;Wer beginnt das erste Spiel ?</translation>
    </message>
    <message>
        <source>Current score</source>
        <translation>Aktueller Punktestand</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Sie</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Poor</source>
        <translation>Schwach</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Gut</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experte</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Zufällig</translation>
    </message>
    <message>
        <source>Human player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Würfel</translation>
    </message>
    <message>
        <source>Source of rolls</source>
        <translation>Herkunft der Würfe</translation>
    </message>
    <message>
        <source>&amp;Computer generated</source>
        <translation>Vom &amp;Computer erzeugt</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>Von &amp;Hand</translation>
    </message>
    <message>
        <source>&amp;Read from file:</source>
        <translation>Aus &amp;Datei lesen:</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Klänge</translation>
    </message>
    <message>
        <source>&amp;Event</source>
        <translation>&amp;Ereignis</translation>
    </message>
    <message>
        <source>&amp;Active</source>
        <translation>&amp;Aktiv</translation>
    </message>
    <message>
        <source>&amp;Sound to play</source>
        <translation>Abzuspielender &amp;Klang</translation>
    </message>
    <message>
        <source>Dice roll</source>
        <translation>Würfeln</translation>
    </message>
    <message>
        <source>Piece moves</source>
        <translation>Stein zieht</translation>
    </message>
    <message>
        <source>Piece is hit</source>
        <translation>Stein wird geschlagen</translation>
    </message>
    <message>
        <source>User wins a game</source>
        <translation>Spieler gewinnt ein Spiel</translation>
    </message>
    <message>
        <source>User loses a game</source>
        <translation>Spieler verliert ein Spiel</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>games played</source>
        <translation>gespielte Spiele</translation>
    </message>
    <message>
        <source>&amp;New rolls</source>
        <translation>&amp;Neue Würfe</translation>
    </message>
    <message>
        <source>&amp;Same rolls</source>
        <translation>&amp;Gleiche Würfe</translation>
    </message>
    <message>
        <source>S&amp;wapped rolls</source>
        <translation>&amp;Vertauschte Würfe</translation>
    </message>
    <message>
        <source>Doubles</source>
        <translation>Pasche</translation>
    </message>
    <message>
        <source>Hits made</source>
        <translation>Treffer</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>Thinking time</source>
        <translation>Bedenkzeit</translation>
    </message>
    <message>
        <source>&amp;Again</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Resign</source>
        <translation>Aufgeben</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Auswahl</translation>
    </message>
    <message>
        <source>Single stakes</source>
        <translation>Einfacher Einsatz</translation>
    </message>
    <message>
        <source>Gammon</source>
        <translation>Gammon</translation>
    </message>
    <message>
        <source>Backgammon</source>
        <translation>Backgammon</translation>
    </message>
    <message>
        <source>Auto finish</source>
        <translation>Automatisch beenden</translation>
    </message>
    <message>
        <source>&amp;Fast</source>
        <translation>&amp;Schnell</translation>
    </message>
    <message>
        <source>&amp;Slow</source>
        <translation>&amp;Langsam</translation>
    </message>
    <message>
        <source>Backgr&amp;ound</source>
        <translation>Hinter&amp;grund</translation>
    </message>
    <message>
        <source>Position &amp;A</source>
        <translation>Feld &amp;A</translation>
    </message>
    <message>
        <source>Position &amp;B</source>
        <translation>Feld &amp;B</translation>
    </message>
    <message>
        <source>&amp;Computer piece</source>
        <translation>&amp;Computerstein</translation>
    </message>
    <message>
        <source>Hu&amp;man piece</source>
        <translation>&amp;Spielerstein</translation>
    </message>
    <message>
        <source>Ba&amp;r</source>
        <translation>Ba&amp;r</translation>
    </message>
    <message>
        <source>&amp;Schemes</source>
        <translation>Sche&amp;mata</translation>
    </message>
    <message>
        <source>O&amp;K</source>
        <translation>O&amp;K</translation>
    </message>
    <message>
        <source>Ca&amp;ncel</source>
        <translation>Abbr&amp;echen</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>S&amp;tandard</translation>
    </message>
    <message>
        <source>Export &amp;last game...</source>
        <translation>&amp;Letztes Spiel exportieren...</translation>
    </message>
    <message>
        <source>Write the game finished last to a match file for analysis</source>
        <translation>Das zuletzt beendete Spiel zur Analyse in eine Match-Datei schreiben</translation>
    </message>
    <message>
        <source>&amp;Copy position ID</source>
        <translation>Position-ID &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste position ID</source>
        <translation>Position-ID einfü&amp;gen</translation>
    </message>
    <message>
        <source>Ctrl+I</source>
        <translation>Strg+I</translation>
    </message>
    <message>
        <source>Ctrl+V</source>
        <translation>Strg+V</translation>
    </message>
    <message>
        <source>Copy the Position ID and Match ID of the board to the clipboard</source>
        <translation>Position-ID und Match-ID in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Set up the position whose ID is on the clipboard</source>
        <translation>Die Stellung zur ID in der Zwischenablage aufbauen</translation>
    </message>
    <message>
        <source>Position ID: %s
Match ID: %s

Both are on the clipboard.</source>
        <translation>Position-ID: %s
Match-ID: %s

Beide sind in der Zwischenablage.</translation>
    </message>
    <message>
        <source>The clipboard holds no Position ID of a position that can be played.</source>
        <translation>Die Zwischenablage enthält keine Position-ID einer spielbaren Stellung.</translation>
    </message>
    <message>
        <source>&amp;Hints...</source>
        <translation>&amp;Hinweise...</translation>
    </message>
    <message>
        <source>Ctrl+H</source>
        <translation>Strg+H</translation>
    </message>
    <message>
        <source>List the best plays of your roll with their equities</source>
        <translation>Die besten Züge Ihres Wurfs mit Equities auflisten</translation>
    </message>
    <message>
        <source>Hints are not available: %s.</source>
        <translation>Hinweise sind nicht verfügbar: %s.</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>Hinweise</translation>
    </message>
    <message>
        <source>Your roll: %1-%2</source>
        <translation>Ihr Wurf: %1-%2</translation>
    </message>
    <message>
        <source>Equities with the cube, in points per game.</source>
        <translation>Equities mit Dopplerwürfel, in Punkten pro Spiel.</translation>
    </message>
    <message>
        <source>Equities without the cube, in points per game.</source>
        <translation>Equities ohne Dopplerwürfel, in Punkten pro Spiel.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Zug</translation>
    </message>
    <message>
        <source>Equity</source>
        <translation>Equity</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Differenz</translation>
    </message>
    <message>
        <source>Win</source>
        <translation>Sieg</translation>
    </message>
    <message>
        <source>Win gammon</source>
        <translation>Sieg Gammon</translation>
    </message>
    <message>
        <source>Win backgammon</source>
        <translation>Sieg Backgammon</translation>
    </message>
    <message>
        <source>Lose gammon</source>
        <translation>Verlust Gammon</translation>
    </message>
    <message>
        <source>Lose backgammon</source>
        <translation>Verlust Backgammon</translation>
    </message>
    <message>
        <source>Plies</source>
        <translation>Halbzüge</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Spielen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>&amp;Analyse game...</source>
        <translation>Spiel a&amp;nalysieren...</translation>
    </message>
    <message>
        <source>Judge every play and cube action of the game</source>
        <translation>Alle Züge und Würfelaktionen bewerten</translation>
    </message>
    <message>
        <source>Analysis is not available: %s.</source>
        <translation>Die Analyse ist nicht verfügbar: %s.</translation>
    </message>
    <message>
        <source>Only a game begun in the starting position can be analysed.</source>
        <translation>Nur ein Spiel ab der Ausgangsstellung kann analysiert werden.</translation>
    </message>
    <message>
        <source>Game analysis</source>
        <translation>Spielanalyse</translation>
    </message>
    <message>
        <source>Analyse game</source>
        <translation>Spiel analysieren</translation>
    </message>
    <message>
        <source>The Expert judges every play and cube action...</source>
        <translation>Der Experte bewertet jeden Zug und jede Würfelaktion...</translation>
    </message>
    <message>
        <source>Errors in thousandths of a point per game (mEMG), per unit of the cube; luck in points.</source>
        <translation>Fehler in Tausendstel Punkten pro Spiel (mEMG), je Einheit des Dopplerwürfels; Glück in Punkten.</translation>
    </message>
    <message>
        <source>Double</source>
        <translation>Verdoppeln</translation>
    </message>
    <message>
        <source>No double</source>
        <translation>Nicht verdoppeln</translation>
    </message>
    <message>
        <source>Take</source>
        <translation>Annehmen</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Ablehnen</translation>
    </message>
    <message>
        <source>Decisions</source>
        <translation>Entscheidungen</translation>
    </message>
    <message>
        <source>Error rate</source>
        <translation>Fehlerrate</translation>
    </message>
    <message>
        <source>Doubtful</source>
        <translation>Zweifelhaft</translation>
    </message>
    <message>
        <source>Bad</source>
        <translation>Schlecht</translation>
    </message>
    <message>
        <source>Very bad</source>
        <translation>Sehr schlecht</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Einstufung</translation>
    </message>
    <message>
        <source>Luck</source>
        <translation>Glück</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Zug</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Wurf</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Gespielt</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Beste</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Verlust</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Bewertung</translation>
    </message>
    <message>
        <source>Supernatural</source>
        <translation>Übernatürlich</translation>
    </message>
    <message>
        <source>World class</source>
        <translation>Weltklasse</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Fortgeschritten</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Mittelstufe</translation>
    </message>
    <message>
        <source>Casual player</source>
        <translation>Gelegenheitsspieler</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Anfänger</translation>
    </message>
    <message>
        <source>Awful</source>
        <translation>Miserabel</translation>
    </message>
    <message>
        <source>&amp;Tutor...</source>
        <translation>&amp;Tutor...</translation>
    </message>
    <message>
        <source>Be warned before a weak play of yours passes</source>
        <translation>Vor einem schwachen eigenen Zug warnen</translation>
    </message>
    <message>
        <source>Your play %s is doubtful: it gives up %s points a game against %s.</source>
        <translation>Ihr Zug %s ist zweifelhaft: er verliert %s Punkte pro Spiel gegenüber %s.</translation>
    </message>
    <message>
        <source>Your play %s is bad: it gives up %s points a game against %s.</source>
        <translation>Ihr Zug %s ist schlecht: er verliert %s Punkte pro Spiel gegenüber %s.</translation>
    </message>
    <message>
        <source>Your play %s is very bad: it gives up %s points a game against %s.</source>
        <translation>Ihr Zug %s ist sehr schlecht: er verliert %s Punkte pro Spiel gegenüber %s.</translation>
    </message>
    <message>
        <source>The tutor is not available: %s.</source>
        <translation>Der Tutor ist nicht verfügbar: %s.</translation>
    </message>
    <message>
        <source>Tutor</source>
        <translation>Tutor</translation>
    </message>
    <message>
        <source>&amp;Warn me before a play of mine passes that is</source>
        <translation>&amp;Warnen vor einem eigenen Zug, der</translation>
    </message>
    <message>
        <source>&amp;doubtful or worse</source>
        <translation>&amp;zweifelhaft oder schlechter ist</translation>
    </message>
    <message>
        <source>&amp;bad or worse</source>
        <translation>&amp;schlecht oder schlechter ist</translation>
    </message>
    <message>
        <source>&amp;very bad</source>
        <translation>sehr sc&amp;hlecht ist</translation>
    </message>
    <message>
        <source>&amp;Play anyway</source>
        <translation>&amp;Trotzdem spielen</translation>
    </message>
    <message>
        <source>&amp;Take back</source>
        <translation>&amp;Zurücknehmen</translation>
    </message>
    <message>
        <source>&amp;Show hint</source>
        <translation>&amp;Hinweis zeigen</translation>
    </message>
    <message>
        <source>doubtful</source>
        <translation>zweifelhaft</translation>
    </message>
    <message>
        <source>bad</source>
        <translation>schlecht</translation>
    </message>
    <message>
        <source>very bad</source>
        <translation>sehr schlecht</translation>
    </message>
    <message>
        <source>Your double is %s: it gives up %s points a game against not doubling.</source>
        <translation>Doppeln ist hier %s: es verliert %s Punkte pro Spiel gegenüber Nichtdoppeln.</translation>
    </message>
    <message>
        <source>Your take is %s: it gives up %s points a game against a pass.</source>
        <translation>Annehmen ist hier %s: es verliert %s Punkte pro Spiel gegenüber Aufgeben.</translation>
    </message>
    <message>
        <source>Your pass is %s: it gives up %s points a game against a take.</source>
        <translation>Aufgeben ist hier %s: es verliert %s Punkte pro Spiel gegenüber Annehmen.</translation>
    </message>
</context>
</TS>
