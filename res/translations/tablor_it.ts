<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Tablor</name>
    <message>
        <source>Save As</source>
        <translation>Salva con nome</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Colore</translation>
    </message>
    <message>
        <source>Manual dice</source>
        <translation>Dadi manuali</translation>
    </message>
    <message>
        <source>Enter roll:</source>
        <translation>Inserisci il lancio:</translation>
    </message>
    <message>
        <source>%1 Help</source>
        <translation>Guida di %1</translation>
    </message>
    <message>
        <source>st </source>
        <translation>ª</translation>
    </message>
    <message>
        <source>nd</source>
        <translation>ª</translation>
    </message>
    <message>
        <source>rd </source>
        <translation>ª</translation>
    </message>
    <message>
        <source>th </source>
        <translation>ª</translation>
    </message>
    <message>
        <source>from  </source>
        <translation>da  </translation>
    </message>
    <message>
        <source>  to  </source>
        <translation>  a  </translation>
    </message>
    <message>
        <source>Dice: </source>
        <translation>Dadi: </translation>
    </message>
    <message>
        <source>Computer doubles. -Ok ?</source>
        <translation>Il computer raddoppia. -Accetti ?</translation>
    </message>
    <message>
        <source>Thinking...</source>
        <translation>Sto pensando...</translation>
    </message>
    <message>
        <source>Moving...</source>
        <translation>Muovo...</translation>
    </message>
    <message>
        <source>&lt;Esc&gt; or right mouse to undo</source>
        <translation>&lt;Esc&gt; o tasto destro per annullare</translation>
    </message>
    <message>
        <source>You cannot move. Press spacebar or click dice</source>
        <translation>Non puoi muovere. Premi la barra spaziatrice o fai clic sui dadi</translation>
    </message>
    <message>
        <source>= Computer leads by %d =</source>
        <translation>= Il computer conduce di %d =</translation>
    </message>
    <message>
        <source>= You lead by %d =</source>
        <translation>= Conduci di %d =</translation>
    </message>
    <message>
        <source>%ld min %02ld sec</source>
        <translation>%ld min %02ld s</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Pari</translation>
    </message>
    <message>
        <source>Computer does not accept</source>
        <translation>Il computer non accetta</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>If there is any way to use both dice, then you must do so.

Please undo your move and try again.</source>
        <translation>Se c&apos;è un modo di usare entrambi i dadi, devi farlo.

Annulla la mossa e riprova.</translation>
    </message>
    <message>
        <source>Scheme %c</source>
        <translation>Schema %c</translation>
    </message>
    <message>
        <source>Position files (*.pos)|*.pos|All files (*.*)|*.*||</source>
        <translation>File di posizione (*.pos)|*.pos|Tutti i file (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Text files (*.txt)|*.txt|All files (*.*)|*.*||</source>
        <translation>File di testo (*.txt)|*.txt|Tutti i file (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Wave files (*.wav)|*.wav||</source>
        <translation>File Wave (*.wav)|*.wav||</translation>
    </message>
    <message>
        <source>Click on position to leave from...</source>
        <translation>Fai clic sulla punta di partenza...</translation>
    </message>
    <message>
        <source>Click on position to move to...</source>
        <translation>Fai clic sulla punta di arrivo...</translation>
    </message>
    <message>
        <source>Play the BAR piece first</source>
        <translation>Gioca prima la pedina sulla BARRA</translation>
    </message>
    <message>
        <source>No move</source>
        <translation>Nessuna mossa</translation>
    </message>
    <message>
        <source>Keep &lt;Esc&gt; pressed to cancel</source>
        <translation>Tieni premuto &lt;Esc&gt; per interrompere</translation>
    </message>
    <message>
        <source>Start new game ?</source>
        <translation>Iniziare una nuova partita ?</translation>
    </message>
    <message>
        <source>Reset all scores to 0 ?</source>
        <translation>Azzerare tutti i punteggi ?</translation>
    </message>
    <message>
        <source>Invalid position file !</source>
        <translation>File di posizione non valido !</translation>
    </message>
    <message>
        <source>Invalid rolls file !</source>
        <translation>File dei lanci non valido !</translation>
    </message>
    <message>
        <source> not found</source>
        <translation> non trovato</translation>
    </message>
    <message>
        <source>Cannot save position file !</source>
        <translation>Impossibile salvare il file di posizione !</translation>
    </message>
    <message>
        <source> cannot be shown</source>
        <translation> non può essere mostrato</translation>
    </message>
    <message>
        <source>Game resumed</source>
        <translation>Partita ripresa</translation>
    </message>
    <message>
        <source>Match files (*.mat)|*.mat|All files (*.*)|*.*||</source>
        <translation>File match (*.mat)|*.mat|Tutti i file (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Cannot write match file !</source>
        <translation>Impossibile scrivere il file match !</translation>
    </message>
    <message>
        <source>Only a game played from the starting position can be exported !</source>
        <translation>Si può esportare solo una partita giocata dalla posizione iniziale !</translation>
    </message>
    <message>
        <source>Cannot write settings file !

Scores and settings may be lost when the program ends.</source>
        <translation>Impossibile scrivere il file delle impostazioni !

Punteggi e impostazioni potrebbero andare persi alla chiusura del programma.</translation>
    </message>
    <message>
        <source>Abandon current game and start a new one</source>
        <translation>Abbandona la partita in corso e iniziane una nuova</translation>
    </message>
    <message>
        <source>Restore a previously saved game</source>
        <translation>Riprendi una partita salvata</translation>
    </message>
    <message>
        <source>Save the current game</source>
        <translation>Salva la partita in corso</translation>
    </message>
    <message>
        <source>Write the game so far to a match file for analysis</source>
        <translation>Scrivi la partita finora in un file match per l&apos;analisi</translation>
    </message>
    <message>
        <source>Adjust settings of gameplay and interface</source>
        <translation>Regola le impostazioni di gioco e interfaccia</translation>
    </message>
    <message>
        <source>Reset the scores</source>
        <translation>Azzera i punteggi</translation>
    </message>
    <message>
        <source>Show relative progress of game</source>
        <translation>Mostra l&apos;avanzamento relativo della partita</translation>
    </message>
    <message>
        <source>Undo last move(s)</source>
        <translation>Annulla le ultime mosse</translation>
    </message>
    <message>
        <source>Double the stakes</source>
        <translation>Raddoppia la posta</translation>
    </message>
    <message>
        <source>Unable to make a move</source>
        <translation>Impossibile muovere</translation>
    </message>
    <message>
        <source>Give up this game</source>
        <translation>Abbandona questa partita</translation>
    </message>
    <message>
        <source>Play computer&apos;s best move</source>
        <translation>Gioca la mossa migliore del computer</translation>
    </message>
    <message>
        <source>Switch sides with computer</source>
        <translation>Scambia i lati con il computer</translation>
    </message>
    <message>
        <source>Finish game; let program play both sides</source>
        <translation>Termina la partita; il programma gioca per entrambi</translation>
    </message>
    <message>
        <source>Choose or edit a color scheme</source>
        <translation>Scegli o modifica uno schema di colori</translation>
    </message>
    <message>
        <source>Redraw the screen</source>
        <translation>Ridisegna lo schermo</translation>
    </message>
    <message>
        <source>Show help on game and program</source>
        <translation>Mostra la guida al gioco e al programma</translation>
    </message>
    <message>
        <source>Show documentation</source>
        <translation>Mostra la documentazione</translation>
    </message>
    <message>
        <source>About Tablor</source>
        <translation>Informazioni su Tablor</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <translation>&amp;Nuova partita</translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Apri...</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Salva...</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>Export &amp;game...</source>
        <translation>Esporta &amp;partita...</translation>
    </message>
    <message>
        <source>Ctrl+E</source>
        <translation>Ctrl+E</translation>
    </message>
    <message>
        <source>S&amp;ettings...</source>
        <translation>Impos&amp;tazioni...</translation>
    </message>
    <message>
        <source>F9</source>
        <translation>F9</translation>
    </message>
    <message>
        <source>&amp;Reset scores</source>
        <translation>Azzera p&amp;unteggi</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Action</source>
        <translation>&amp;Partita</translation>
    </message>
    <message>
        <source>Show &amp;progress</source>
        <translation>Mostra &amp;avanzamento</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>A&amp;nnulla</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>&amp;Double</source>
        <translation>&amp;Raddoppia</translation>
    </message>
    <message>
        <source>Ctrl+D</source>
        <translation>Ctrl+D</translation>
    </message>
    <message>
        <source>&amp;Pass</source>
        <translation>&amp;Passa</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Spazio</translation>
    </message>
    <message>
        <source>&amp;Resign...</source>
        <translation>A&amp;bbandona...</translation>
    </message>
    <message>
        <source>Ctrl+Space</source>
        <translation>Ctrl+Spazio</translation>
    </message>
    <message>
        <source>Suggest &amp;move</source>
        <translation>Suggerisci &amp;mossa</translation>
    </message>
    <message>
        <source>Ctrl+M</source>
        <translation>Ctrl+M</translation>
    </message>
    <message>
        <source>S&amp;witch sides</source>
        <translation>&amp;Cambia lato</translation>
    </message>
    <message>
        <source>Ctrl+W</source>
        <translation>Ctrl+W</translation>
    </message>
    <message>
        <source>&amp;Finish game</source>
        <translation>&amp;Termina partita</translation>
    </message>
    <message>
        <source>Ctrl+F</source>
        <translation>Ctrl+F</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>&amp;Colors...</source>
        <translation>&amp;Colori...</translation>
    </message>
    <message>
        <source>Ctrl+C</source>
        <translation>Ctrl+C</translation>
    </message>
    <message>
        <source>&amp;Redraw</source>
        <translation>&amp;Ridisegna</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>&amp;Documentation</source>
        <translation>&amp;Documentazione</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>Backgammon game</source>
        <translation>Gioco di backgammon</translation>
    </message>
    <message>
        <source>Good luck!</source>
        <translation>Buona fortuna!</translation>
    </message>
    <message>
        <source>Version 1.0</source>
        <translation>Versione 1.0</translation>
    </message>
    <message>
        <source>Tablor, a backgammon game for the desktop</source>
        <translation>Tablor, un gioco di backgammon per il desktop</translation>
    </message>
    <message>
        <source>Free software; see Documentation.htm</source>
        <translation>Software libero; vedi Documentation.htm</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>The Expert level is not available: %s. The computer plays at Good.</source>
        <translation>Il livello Esperto non è disponibile: %s. Il computer gioca al livello Buono.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>Visual</source>
        <translation>Aspetto</translation>
    </message>
    <message>
        <source>S&amp;peed of pieces</source>
        <translation>&amp;Velocità delle pedine</translation>
    </message>
    <message>
        <source>Show progre&amp;ss bar</source>
        <translation>Mostra barra di &amp;avanzamento</translation>
    </message>
    <message>
        <source>Picture &amp;dice</source>
        <translation>&amp;Dadi come immagini</translation>
    </message>
    <message>
        <source>Pie&amp;ces shake when hit</source>
        <translation>Le pedine &amp;tremano se colpite</translation>
    </message>
    <message>
        <source>Play clock&amp;wise</source>
        <translation>Gioca in senso &amp;orario</translation>
    </message>
    <message>
        <source>Aut&amp;o finish</source>
        <translation>&amp;Fine automatica</translation>
    </message>
    <message>
        <source>H&amp;ighlight</source>
        <translation>&amp;Evidenziazione</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Inserisci un numero intero.</translation>
    </message>
    <message>
        <source>Please enter an integer between 1 and 50.</source>
        <translation>Inserisci un numero intero tra 1 e 50.</translation>
    </message>
    <message>
        <source>Always quick</source>
        <translation>Sempre veloce</translation>
    </message>
    <message>
        <source>Always slow</source>
        <translation>Sempre lenta</translation>
    </message>
    <message>
        <source>Ask</source>
        <translation>Chiedi</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuna</translation>
    </message>
    <message>
        <source>Selected position</source>
        <translation>Punta scelta</translation>
    </message>
    <message>
        <source>Possible moves</source>
        <translation>Mosse possibili</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Gioco</translation>
    </message>
    <message>
        <source>S&amp;kill level:</source>
        <translation>&amp;Livello:</translation>
    </message>
    <message>
        <source>&amp;Auto change turn</source>
        <translation>Cambio &amp;turno automatico</translation>
    </message>
    <message>
        <source>Auto play &amp;forced moves</source>
        <translation>Gioca le mosse &amp;forzate</translation>
    </message>
    <message>
        <source>&amp;Use cube</source>
        <translation>Usa il &amp;cubo del raddoppio</translation>
    </message>
    <message>
        <source>Intelli&amp;gent moves</source>
        <translation>Mosse &amp;intelligenti</translation>
    </message>
    <message>
        <source>&amp;Who starts first game ?</source>
        <translation>Chi i&amp;nizia la prima partita ?</translation>
    </message>
    <message>
        <source>Current score</source>
        <translation>Punteggio attuale</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Tu</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Poor</source>
        <translation>Scarso</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Medio</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Buono</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Esperto</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Casuale</translation>
    </message>
    <message>
        <source>Human player</source>
        <translation>Giocatore umano</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Dadi</translation>
    </message>
    <message>
        <source>Source of rolls</source>
        <translation>Origine dei lanci</translation>
    </message>
    <message>
        <source>&amp;Computer generated</source>
        <translation>Generati dal &amp;computer</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Manuale</translation>
    </message>
    <message>
        <source>&amp;Read from file:</source>
        <translation>&amp;Leggi da file:</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Suoni</translation>
    </message>
    <message>
        <source>&amp;Event</source>
        <translation>&amp;Evento</translation>
    </message>
    <message>
        <source>&amp;Active</source>
        <translation>&amp;Attivo</translation>
    </message>
    <message>
        <source>&amp;Sound to play</source>
        <translation>&amp;Suono da riprodurre</translation>
    </message>
    <message>
        <source>Dice roll</source>
        <translation>Lancio dei dadi</translation>
    </message>
    <message>
        <source>Piece moves</source>
        <translation>Una pedina si muove</translation>
    </message>
    <message>
        <source>Piece is hit</source>
        <translation>Una pedina è colpita</translation>
    </message>
    <message>
        <source>User wins a game</source>
        <translation>Il giocatore vince una partita</translation>
    </message>
    <message>
        <source>User loses a game</source>
        <translation>Il giocatore perde una partita</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiche</translation>
    </message>
    <message>
        <source>games played</source>
        <translation>partite giocate</translation>
    </message>
    <message>
        <source>&amp;New rolls</source>
        <translation>&amp;Nuovi lanci</translation>
    </message>
    <message>
        <source>&amp;Same rolls</source>
        <translation>&amp;Stessi lanci</translation>
    </message>
    <message>
        <source>S&amp;wapped rolls</source>
        <translation>Lanci &amp;invertiti</translation>
    </message>
    <message>
        <source>Doubles</source>
        <translation>Doppi</translation>
    </message>
    <message>
        <source>Hits made</source>
        <translation>Colpite</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punti</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Totale</translation>
    </message>
    <message>
        <source>Thinking time</source>
        <translation>Riflessione</translation>
    </message>
    <message>
        <source>&amp;Again</source>
        <translation>&amp;Ancora</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Resign</source>
        <translation>Abbandona</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Scegli</translation>
    </message>
    <message>
        <source>Single stakes</source>
        <translation>Posta singola</translation>
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
        <translation>Fine automatica</translation>
    </message>
    <message>
        <source>&amp;Fast</source>
        <translation>&amp;Veloce</translation>
    </message>
    <message>
        <source>&amp;Slow</source>
        <translation>&amp;Lenta</translation>
    </message>
    <message>
        <source>Backgr&amp;ound</source>
        <translation>&amp;Sfondo</translation>
    </message>
    <message>
        <source>Position &amp;A</source>
        <translation>Punta &amp;A</translation>
    </message>
    <message>
        <source>Position &amp;B</source>
        <translation>Punta &amp;B</translation>
    </message>
    <message>
        <source>&amp;Computer piece</source>
        <translation>Pedina del &amp;computer</translation>
    </message>
    <message>
        <source>Hu&amp;man piece</source>
        <translation>Pedina del gioca&amp;tore</translation>
    </message>
    <message>
        <source>Ba&amp;r</source>
        <translation>Ba&amp;rra</translation>
    </message>
    <message>
        <source>&amp;Schemes</source>
        <translation>Sc&amp;hemi</translation>
    </message>
    <message>
        <source>O&amp;K</source>
        <translation>O&amp;K</translation>
    </message>
    <message>
        <source>Ca&amp;ncel</source>
        <translation>A&amp;nnulla</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>&amp;Predefinito</translation>
    </message>
    <message>
        <source>Export &amp;last game...</source>
        <translation>Esporta ulti&amp;ma partita...</translation>
    </message>
    <message>
        <source>Write the game finished last to a match file for analysis</source>
        <translation>Scrivi l&apos;ultima partita finita in un file match per l&apos;analisi</translation>
    </message>
    <message>
        <source>&amp;Copy position ID</source>
        <translation>&amp;Copia ID posizione</translation>
    </message>
    <message>
        <source>&amp;Paste position ID</source>
        <translation>&amp;Incolla ID posizione</translation>
    </message>
    <message>
        <source>Ctrl+I</source>
        <translation>Ctrl+I</translation>
    </message>
    <message>
        <source>Ctrl+V</source>
        <translation>Ctrl+V</translation>
    </message>
    <message>
        <source>Copy the Position ID and Match ID of the board to the clipboard</source>
        <translation>Copia l&apos;ID posizione e l&apos;ID match negli appunti</translation>
    </message>
    <message>
        <source>Set up the position whose ID is on the clipboard</source>
        <translation>Disponi la posizione il cui ID è negli appunti</translation>
    </message>
    <message>
        <source>Position ID: %s
Match ID: %s

Both are on the clipboard.</source>
        <translation>ID posizione: %s
ID match: %s

Entrambi sono negli appunti.</translation>
    </message>
    <message>
        <source>The clipboard holds no Position ID of a position that can be played.</source>
        <translation>Gli appunti non contengono un ID di una posizione giocabile.</translation>
    </message>
    <message>
        <source>&amp;Hints...</source>
        <translation>&amp;Suggerimenti...</translation>
    </message>
    <message>
        <source>Ctrl+H</source>
        <translation>Ctrl+H</translation>
    </message>
    <message>
        <source>List the best plays of your roll with their equities</source>
        <translation>Elenca le mosse migliori del tuo lancio</translation>
    </message>
    <message>
        <source>Hints are not available: %s.</source>
        <translation>I suggerimenti non sono disponibili: %s.</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>Suggerimenti</translation>
    </message>
    <message>
        <source>Your roll: %1-%2</source>
        <translation>Il tuo lancio: %1-%2</translation>
    </message>
    <message>
        <source>Equities with the cube, in points per game.</source>
        <translation>Equity con il cubo, in punti per partita.</translation>
    </message>
    <message>
        <source>Equities without the cube, in points per game.</source>
        <translation>Equity senza il cubo, in punti per partita.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Mossa</translation>
    </message>
    <message>
        <source>Equity</source>
        <translation>Equity</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Differenza</translation>
    </message>
    <message>
        <source>Win</source>
        <translation>Vince</translation>
    </message>
    <message>
        <source>Win gammon</source>
        <translation>Vince gammon</translation>
    </message>
    <message>
        <source>Win backgammon</source>
        <translation>Vince backgammon</translation>
    </message>
    <message>
        <source>Lose gammon</source>
        <translation>Perde gammon</translation>
    </message>
    <message>
        <source>Lose backgammon</source>
        <translation>Perde backgammon</translation>
    </message>
    <message>
        <source>Plies</source>
        <translation>Profondità</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Gioca</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>&amp;Analyse game...</source>
        <translation>Ana&amp;lizza partita...</translation>
    </message>
    <message>
        <source>Judge every play and cube action of the game</source>
        <translation>Giudica mosse e cubo della partita</translation>
    </message>
    <message>
        <source>Analysis is not available: %s.</source>
        <translation>L'analisi non è disponibile: %s.</translation>
    </message>
    <message>
        <source>Only a game begun in the starting position can be analysed.</source>
        <translation>Si può analizzare solo una partita iniziata dalla posizione iniziale.</translation>
    </message>
    <message>
        <source>Game analysis</source>
        <translation>Analisi della partita</translation>
    </message>
    <message>
        <source>Analyse game</source>
        <translation>Analizza partita</translation>
    </message>
    <message>
        <source>The Expert judges every play and cube action...</source>
        <translation>L'Esperto giudica ogni mossa e ogni azione del cubo...</translation>
    </message>
    <message>
        <source>Errors in thousandths of a point per game (mEMG), per unit of the cube; luck in points.</source>
        <translation>Errori in millesimi di punto per partita (mEMG), per unità del cubo; fortuna in punti.</translation>
    </message>
    <message>
        <source>Double</source>
        <translation>Raddoppia</translation>
    </message>
    <message>
        <source>No double</source>
        <translation>Non raddoppiare</translation>
    </message>
    <message>
        <source>Take</source>
        <translation>Accetta</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Rifiuta</translation>
    </message>
    <message>
        <source>Decisions</source>
        <translation>Decisioni</translation>
    </message>
    <message>
        <source>Error rate</source>
        <translation>Tasso di errore</translation>
    </message>
    <message>
        <source>Doubtful</source>
        <translation>Dubbia</translation>
    </message>
    <message>
        <source>Bad</source>
        <translation>Cattiva</translation>
    </message>
    <message>
        <source>Very bad</source>
        <translation>Molto cattiva</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Livello</translation>
    </message>
    <message>
        <source>Luck</source>
        <translation>Fortuna</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Turno</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>Lato</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Lancio</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Giocata</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Migliore</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Perdita</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Giudizio</translation>
    </message>
    <message>
        <source>Supernatural</source>
        <translation>Soprannaturale</translation>
    </message>
    <message>
        <source>World class</source>
        <translation>Classe mondiale</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avanzato</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Intermedio</translation>
    </message>
    <message>
        <source>Casual player</source>
        <translation>Giocatore occasionale</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Principiante</translation>
    </message>
    <message>
        <source>Awful</source>
        <translation>Pessimo</translation>
    </message>
    <message>
        <source>&amp;Tutor...</source>
        <translation>T&amp;utor...</translation>
    </message>
    <message>
        <source>Be warned before a weak play of yours passes</source>
        <translation>Avvisa prima che passi una tua mossa debole</translation>
    </message>
    <message>
        <source>Your play %s is doubtful: it gives up %s points a game against %s.</source>
        <translation>La tua mossa %s è dubbia: perde %s punti a partita rispetto a %s.</translation>
    </message>
    <message>
        <source>Your play %s is bad: it gives up %s points a game against %s.</source>
        <translation>La tua mossa %s è cattiva: perde %s punti a partita rispetto a %s.</translation>
    </message>
    <message>
        <source>Your play %s is very bad: it gives up %s points a game against %s.</source>
        <translation>La tua mossa %s è pessima: perde %s punti a partita rispetto a %s.</translation>
    </message>
    <message>
        <source>The tutor is not available: %s.</source>
        <translation>Il tutor non è disponibile: %s.</translation>
    </message>
    <message>
        <source>Tutor</source>
        <translation>Tutor</translation>
    </message>
    <message>
        <source>&amp;Warn me before a play of mine passes that is</source>
        <translation>&amp;Avvisami prima che passi una mia mossa</translation>
    </message>
    <message>
        <source>&amp;doubtful or worse</source>
        <translation>&amp;dubbia o peggiore</translation>
    </message>
    <message>
        <source>&amp;bad or worse</source>
        <translation>&amp;cattiva o peggiore</translation>
    </message>
    <message>
        <source>&amp;very bad</source>
        <translation>&amp;pessima</translation>
    </message>
    <message>
        <source>&amp;Play anyway</source>
        <translation>&amp;Gioca comunque</translation>
    </message>
    <message>
        <source>&amp;Take back</source>
        <translation>&amp;Riprendi</translation>
    </message>
    <message>
        <source>&amp;Show hint</source>
        <translation>&amp;Mostra suggerimento</translation>
    </message>
    <message>
        <source>doubtful</source>
        <translation>dubbio</translation>
    </message>
    <message>
        <source>bad</source>
        <translation>cattivo</translation>
    </message>
    <message>
        <source>very bad</source>
        <translation>pessimo</translation>
    </message>
    <message>
        <source>Your double is %s: it gives up %s points a game against not doubling.</source>
        <translation>Raddoppiare qui è %s: perde %s punti a partita rispetto a non raddoppiare.</translation>
    </message>
    <message>
        <source>Your take is %s: it gives up %s points a game against a pass.</source>
        <translation>Accettare qui è %s: perde %s punti a partita rispetto a rifiutare.</translation>
    </message>
    <message>
        <source>Your pass is %s: it gives up %s points a game against a take.</source>
        <translation>Rifiutare qui è %s: perde %s punti a partita rispetto ad accettare.</translation>
    </message>
</context>
</TS>
