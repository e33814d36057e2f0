<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Tablor</name>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Manual dice</source>
        <translation>Dés manuels</translation>
    </message>
    <message>
        <source>Enter roll:</source>
        <translation>Entrez le jet :</translation>
    </message>
    <message>
        <source>%1 Help</source>
        <translation>Aide de %1</translation>
    </message>
    <message>
        <source>st </source>
        <translation>er</translation>
    </message>
    <message>
        <source>nd</source>
        <translation>e</translation>
    </message>
    <message>
        <source>rd </source>
        <translation>e</translation>
    </message>
    <message>
        <source>th </source>
        <translation>e</translation>
    </message>
    <message>
        <source>from  </source>
        <translation>de  </translation>
    </message>
    <message>
        <source>  to  </source>
        <translation>  à  </translation>
    </message>
    <message>
        <source>Dice: </source>
        <translation>Dés : </translation>
    </message>
    <message>
        <source>Computer doubles. -Ok ?</source>
        <translation>L&apos;ordinateur double. -Accepter ?</translation>
    </message>
    <message>
        <source>Thinking...</source>
        <translation>Réflexion...</translation>
    </message>
    <message>
        <source>Moving...</source>
        <translation>Déplacement...</translation>
    </message>
    <message>
        <source>&lt;Esc&gt; or right mouse to undo</source>
        <translation>&lt;Échap&gt; ou clic droit pour annuler</translation>
    </message>
    <message>
        <source>You cannot move. Press spacebar or click dice</source>
        <translation>Vous ne pouvez pas jouer. Appuyez sur Espace ou cliquez sur les dés</translation>
    </message>
    <message>
        <source>= Computer leads by %d =</source>
        <translation>= L&apos;ordinateur mène de %d =</translation>
    </message>
    <message>
        <source>= You lead by %d =</source>
        <translation>= Vous menez de %d =</translation>
    </message>
    <message>
        <source>%ld min %02ld sec</source>
        <translation>%ld min %02ld s</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Égalité</translation>
    </message>
    <message>
        <source>Computer does not accept</source>
        <translation>L&apos;ordinateur refuse</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>If there is any way to use both dice, then you must do so.

Please undo your move and try again.</source>
        <translation>S&apos;il existe une façon de jouer les deux dés, vous devez le faire.

Veuillez annuler votre coup et réessayer.</translation>
    </message>
    <message>
        <source>Scheme %c</source>
        <translation>Schéma %c</translation>
    </message>
    <message>
        <source>Position files (*.pos)|*.pos|All files (*.*)|*.*||</source>
        <translation>Fichiers de position (*.pos)|*.pos|Tous les fichiers (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Text files (*.txt)|*.txt|All files (*.*)|*.*||</source>
        <translation>Fichiers texte (*.txt)|*.txt|Tous les fichiers (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Wave files (*.wav)|*.wav||</source>
        <translation>Fichiers Wave (*.wav)|*.wav||</translation>
    </message>
    <message>
        <source>Click on position to leave from...</source>
        <translation>Cliquez sur la case de départ...</translation>
    </message>
    <message>
        <source>Click on position to move to...</source>
        <translation>Cliquez sur la case d&apos;arrivée...</translation>
    </message>
    <message>
        <source>Play the BAR piece first</source>
        <translation>Jouez d&apos;abord la dame en BARRE</translation>
    </message>
    <message>
        <source>No move</source>
        <translation>Aucun coup</translation>
    </message>
    <message>
        <source>Keep &lt;Esc&gt; pressed to cancel</source>
        <translation>Gardez &lt;Échap&gt; enfoncée pour arrêter</translation>
    </message>
    <message>
        <source>Start new game ?</source>
        <translation>Commencer une nouvelle partie ?</translation>
    </message>
    <message>
        <source>Reset all scores to 0 ?</source>
        <translation>Remettre tous les scores à 0 ?</translation>
    </message>
    <message>
        <source>Invalid position file !</source>
        <translation>Fichier de position non valide !</translation>
    </message>
    <message>
        <source>Invalid rolls file !</source>
        <translation>Fichier de jets non valide !</translation>
    </message>
    <message>
        <source> not found</source>
        <translation> introuvable</translation>
    </message>
    <message>
        <source>Cannot save position file !</source>
        <translation>Impossible d&apos;enregistrer le fichier de position !</translation>
    </message>
    <message>
        <source> cannot be shown</source>
        <translation> ne peut pas être affiché</translation>
    </message>
    <message>
        <source>Game resumed</source>
        <translation>Partie reprise</translation>
    </message>
    <message>
        <source>Match files (*.mat)|*.mat|All files (*.*)|*.*||</source>
        <translation>Fichiers de match (*.mat)|*.mat|Tous les fichiers (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Cannot write match file !</source>
        <translation>Impossible d&apos;écrire le fichier de match !</translation>
    </message>
    <message>
        <source>Only a game played from the starting position can be exported !</source>
        <translation>Seule une partie jouée depuis la position de départ peut être exportée !</translation>
    </message>
    <message>
        <source>Cannot write settings file !

Scores and settings may be lost when the program ends.</source>
        <translation>Impossible d&apos;écrire le fichier de paramètres !

Les scores et les paramètres risquent d&apos;être perdus à la fin du programme.</translation>
    </message>
    <message>
        <source>Abandon current game and start a new one</source>
        <translation>Abandonner la partie en cours et en commencer une nouvelle</translation>
    </message>
    <message>
        <source>Restore a previously saved game</source>
        <translation>Reprendre une partie enregistrée</translation>
    </message>
    <message>
        <source>Save the current game</source>
        <translation>Enregistrer la partie en cours</translation>
    </message>
    <message>
        <source>Write the game so far to a match file for analysis</source>
        <translation>Écrire la partie jusqu&apos;ici dans un fichier de match pour l&apos;analyser</translation>
    </message>
    <message>
        <source>Adjust settings of gameplay and interface</source>
        <translation>Régler les paramètres du jeu et de l&apos;interface</translation>
    </message>
    <message>
        <source>Reset the scores</source>
        <translation>Remettre les scores à zéro</translation>
    </message>
    <message>
        <source>Show relative progress of game</source>
        <translation>Afficher la progression relative de la partie</translation>
    </message>
    <message>
        <source>Undo last move(s)</source>
        <translation>Annuler le(s) dernier(s) coup(s)</translation>
    </message>
    <message>
        <source>Double the stakes</source>
        <translation>Doubler l&apos;enjeu</translation>
    </message>
    <message>
        <source>Unable to make a move</source>
        <translation>Aucun coup possible</translation>
    </message>
    <message>
        <source>Give up this game</source>
        <translation>Abandonner cette partie</translation>
    </message>
    <message>
        <source>Play computer&apos;s best move</source>
        <translation>Jouer le meilleur coup de l&apos;ordinateur</translation>
    </message>
    <message>
        <source>Switch sides with computer</source>
        <translation>Changer de camp avec l&apos;ordinateur</translation>
    </message>
    <message>
        <source>Finish game; let program play both sides</source>
        <translation>Finir la partie ; le programme joue les deux camps</translation>
    </message>
    <message>
        <source>Choose or edit a color scheme</source>
        <translation>Choisir ou modifier un schéma de couleurs</translation>
    </message>
    <message>
        <source>Redraw the screen</source>
        <translation>Redessiner l&apos;écran</translation>
    </message>
    <message>
        <source>Show help on game and program</source>
        <translation>Afficher l&apos;aide du jeu et du programme</translation>
    </message>
    <message>
        <source>Show documentation</source>
        <translation>Afficher la documentation</translation>
    </message>
    <message>
        <source>About Tablor</source>
        <translation>À propos de Tablor</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Enregistrer...</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>Export &amp;game...</source>
        <translation>E&amp;xporter la partie...</translation>
    </message>
    <message>
        <source>Ctrl+E</source>
        <translation>Ctrl+E</translation>
    </message>
    <message>
        <source>S&amp;ettings...</source>
        <translation>&amp;Paramètres...</translation>
    </message>
    <message>
        <source>F9</source>
        <translation>F9</translation>
    </message>
    <message>
        <source>&amp;Reset scores</source>
        <translation>&amp;Remettre les scores à zéro</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Action</source>
        <translation>&amp;Partie</translation>
    </message>
    <message>
        <source>Show &amp;progress</source>
        <translation>Afficher la &amp;progression</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Échap</translation>
    </message>
    <message>
        <source>&amp;Double</source>
        <translation>&amp;Doubler</translation>
    </message>
    <message>
        <source>Ctrl+D</source>
        <translation>Ctrl+D</translation>
    </message>
    <message>
        <source>&amp;Pass</source>
        <translation>Pa&amp;sser</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espace</translation>
    </message>
    <message>
        <source>&amp;Resign...</source>
        <translation>A&amp;bandonner...</translation>
    </message>
    <message>
        <source>Ctrl+Space</source>
        <translation>Ctrl+Espace</translation>
    </message>
    <message>
        <source>Suggest &amp;move</source>
        <translation>Suggérer un &amp;coup</translation>
    </message>
    <message>
        <source>Ctrl+M</source>
        <translation>Ctrl+M</translation>
    </message>
    <message>
        <source>S&amp;witch sides</source>
        <translation>Changer de cô&amp;té</translation>
    </message>
    <message>
        <source>Ctrl+W</source>
        <translation>Ctrl+W</translation>
    </message>
    <message>
        <source>&amp;Finish game</source>
        <translation>&amp;Finir la partie</translation>
    </message>
    <message>
        <source>Ctrl+F</source>
        <translation>Ctrl+F</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Affic&amp;hage</translation>
    </message>
    <message>
        <source>&amp;Colors...</source>
        <translation>&amp;Couleurs...</translation>
    </message>
    <message>
        <source>Ctrl+C</source>
        <translation>Ctrl+C</translation>
    </message>
    <message>
        <source>&amp;Redraw</source>
        <translation>&amp;Redessiner</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>&amp;Documentation</source>
        <translation>&amp;Documentation</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>Backgammon game</source>
        <translation>Jeu de backgammon</translation>
    </message>
    <message>
        <source>Good luck!</source>
        <translation>Bonne chance !</translation>
    </message>
    <message>
        <source>Version 1.0</source>
        <translation>Version 1.0</translation>
    </message>
    <message>
        <source>Tablor, a backgammon game for the desktop</source>
        <translation>Tablor, un jeu de backgammon pour le bureau</translation>
    </message>
    <message>
        <source>Free software; see Documentation.htm</source>
        <translation>Logiciel libre ; voir Documentation.htm</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>The Expert level is not available: %s. The computer plays at Good.</source>
        <translation>Le niveau Expert n&apos;est pas disponible : %s. L&apos;ordinateur joue au niveau Bon.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Visual</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>S&amp;peed of pieces</source>
        <translation>&amp;Vitesse des dames</translation>
    </message>
    <message>
        <source>Show progre&amp;ss bar</source>
        <translation>Afficher la barre de &amp;progression</translation>
    </message>
    <message>
        <source>Picture &amp;dice</source>
        <translation>&amp;Dés en images</translation>
    </message>
    <message>
        <source>Pie&amp;ces shake when hit</source>
        <translation>Les dames &amp;tremblent si frappées</translation>
    </message>
    <message>
        <source>Play clock&amp;wise</source>
        <translation>Jouer dans le sens &amp;horaire</translation>
    </message>
    <message>
        <source>Aut&amp;o finish</source>
        <translation>Fin &amp;automatique</translation>
    </message>
    <message>
        <source>H&amp;ighlight</source>
        <translation>&amp;Surbrillance</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Veuillez entrer un nombre entier.</translation>
    </message>
    <message>
        <source>Please enter an integer between 1 and 50.</source>
        <translation>Veuillez entrer un nombre entier entre 1 et 50.</translation>
    </message>
    <message>
        <source>Always quick</source>
        <translation>Toujours rapide</translation>
    </message>
    <message>
        <source>Always slow</source>
        <translation>Toujours lent</translation>
    </message>
    <message>
        <source>Ask</source>
        <translation>Demander</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Selected position</source>
        <translation>Case choisie</translation>
    </message>
    <message>
        <source>Possible moves</source>
        <translation>Coups possibles</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Partie</translation>
    </message>
    <message>
        <source>S&amp;kill level:</source>
        <translation>&amp;Niveau :</translation>
    </message>
    <message>
        <source>&amp;Auto change turn</source>
        <translation>&amp;Changement de tour automatique</translation>
    </message>
    <message>
        <source>Auto play &amp;forced moves</source>
        <translation>Jouer les coups &amp;forcés</translation>
    </message>
    <message>
        <source>&amp;Use cube</source>
        <translation>Utiliser le &amp;videau</translation>
    </message>
    <message>
        <source>Intelli&amp;gent moves</source>
        <translation>Coups &amp;intelligents</translation>
    </message>
    <message>
        <source>&amp;Who starts first game ?</source>
        <translation>&amp;Qui commence la première partie ?</translation>
    </message>
    <message>
        <source>Current score</source>
        <translation>Score actuel</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Vous</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordinateur</translation>
    </message>
    <message>
        <source>Poor</source>
        <translation>Faible</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Moyen</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Bon</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Expert</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Au hasard</translation>
    </message>
    <message>
        <source>Human player</source>
        <translation>Joueur humain</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Dés</translation>
    </message>
    <message>
        <source>Source of rolls</source>
        <translation>Origine des jets</translation>
    </message>
    <message>
        <source>&amp;Computer generated</source>
        <translation>Générés par l&apos;&amp;ordinateur</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Manuels</translation>
    </message>
    <message>
        <source>&amp;Read from file:</source>
        <translation>&amp;Lus dans un fichier :</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sons</translation>
    </message>
    <message>
        <source>&amp;Event</source>
        <translation>&amp;Événement</translation>
    </message>
    <message>
        <source>&amp;Active</source>
        <translation>&amp;Actif</translation>
    </message>
    <message>
        <source>&amp;Sound to play</source>
        <translation>&amp;Son à jouer</translation>
    </message>
    <message>
        <source>Dice roll</source>
        <translation>Jet de dés</translation>
    </message>
    <message>
        <source>Piece moves</source>
        <translation>Une dame avance</translation>
    </message>
    <message>
        <source>Piece is hit</source>
        <translation>Une dame est frappée</translation>
    </message>
    <message>
        <source>User wins a game</source>
        <translation>Le joueur gagne une partie</translation>
    </message>
    <message>
        <source>User loses a game</source>
        <translation>Le joueur perd une partie</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>games played</source>
        <translation>parties jouées</translation>
    </message>
    <message>
        <source>&amp;New rolls</source>
        <translation>&amp;Nouveaux jets</translation>
    </message>
    <message>
        <source>&amp;Same rolls</source>
        <translation>&amp;Mêmes jets</translation>
    </message>
    <message>
        <source>S&amp;wapped rolls</source>
        <translation>Jets &amp;inversés</translation>
    </message>
    <message>
        <source>Doubles</source>
        <translation>Doublets</translation>
    </message>
    <message>
        <source>Hits made</source>
        <translation>Frappes</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Thinking time</source>
        <translation>Réflexion</translation>
    </message>
    <message>
        <source>&amp;Again</source>
        <translation>&amp;Rejouer</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Resign</source>
        <translation>Abandonner</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Choisir</translation>
    </message>
    <message>
        <source>Single stakes</source>
        <translation>Mise simple</translation>
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
        <translation>Fin automatique</translation>
    </message>
    <message>
        <source>&amp;Fast</source>
        <translation>&amp;Rapide</translation>
    </message>
    <message>
        <source>&amp;Slow</source>
        <translation>&amp;Lente</translation>
    </message>
    <message>
        <source>Backgr&amp;ound</source>
        <translation>&amp;Fond</translation>
    </message>
    <message>
        <source>Position &amp;A</source>
        <translation>Case &amp;A</translation>
    </message>
    <message>
        <source>Position &amp;B</source>
        <translation>Case &amp;B</translation>
    </message>
    <message>
        <source>&amp;Computer piece</source>
        <translation>Dame de l&apos;&amp;ordinateur</translation>
    </message>
    <message>
        <source>Hu&amp;man piece</source>
        <translation>Dame du &amp;joueur</translation>
    </message>
    <message>
        <source>Ba&amp;r</source>
        <translation>Ba&amp;rre</translation>
    </message>
    <message>
        <source>&amp;Schemes</source>
        <translation>&amp;Schémas</translation>
    </message>
    <message>
        <source>O&amp;K</source>
        <translation>O&amp;K</translation>
    </message>
    <message>
        <source>Ca&amp;ncel</source>
        <translation>A&amp;nnuler</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>&amp;Par défaut</translation>
    </message>
    <message>
        <source>Export &amp;last game...</source>
        <translation>Exporter la &amp;dernière partie...</translation>
    </message>
    <message>
        <source>Write the game finished last to a match file for analysis</source>
        <translation>Écrire la dernière partie jouée dans un fichier de match</translation>
    </message>
    <message>
        <source>&amp;Copy position ID</source>
        <translation>&amp;Copier l&apos;ID de position</translation>
    </message>
    <message>
        <source>&amp;Paste position ID</source>
        <translation>Co&amp;ller l&apos;ID de position</translation>
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
        <translation>Copier l&apos;ID de position et l&apos;ID de match dans le presse-papiers</translation>
    </message>
    <message>
        <source>Set up the position whose ID is on the clipboard</source>
        <translation>Installer la position de l&apos;ID du presse-papiers</translation>
    </message>
    <message>
        <source>Position ID: %s
Match ID: %s

Both are on the clipboard.</source>
        <translation>ID de position : %s
ID de match : %s

Les deux sont dans le presse-papiers.</translation>
    </message>
    <message>
        <source>The clipboard holds no Position ID of a position that can be played.</source>
        <translation>Le presse-papiers ne contient aucun ID de position jouable.</translation>
    </message>
    <message>
        <source>&amp;Hints...</source>
        <translation>&amp;Indices...</translation>
    </message>
    <message>
        <source>Ctrl+H</source>
        <translation>Ctrl+H</translation>
    </message>
    <message>
        <source>List the best plays of your roll with their equities</source>
        <translation>Lister les meilleurs coups de votre jet</translation>
    </message>
    <message>
        <source>Hints are not available: %s.</source>
        <translation>Les indices ne sont pas disponibles : %s.</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>Indices</translation>
    </message>
    <message>
        <source>Your roll: %1-%2</source>
        <translation>Votre jet : %1-%2</translation>
    </message>
    <message>
        <source>Equities with the cube, in points per game.</source>
        <translation>Équités avec le videau, en points par partie.</translation>
    </message>
    <message>
        <source>Equities without the cube, in points per game.</source>
        <translation>Équités sans le videau, en points par partie.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Coup</translation>
    </message>
    <message>
        <source>Equity</source>
        <translation>Équité</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Différence</translation>
    </message>
    <message>
        <source>Win</source>
        <translation>Gain</translation>
    </message>
    <message>
        <source>Win gammon</source>
        <translation>Gain gammon</translation>
    </message>
    <message>
        <source>Win backgammon</source>
        <translation>Gain backgammon</translation>
    </message>
    <message>
        <source>Lose gammon</source>
        <translation>Perte gammon</translation>
    </message>
    <message>
        <source>Lose backgammon</source>
        <translation>Perte backgammon</translation>
    </message>
    <message>
        <source>Plies</source>
        <translation>Demi-coups</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Jouer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>&amp;Analyse game...</source>
        <translation>A&amp;nalyser la partie...</translation>
    </message>
    <message>
        <source>Judge every play and cube action of the game</source>
        <translation>Juger les coups et le videau de la partie</translation>
    </message>
    <message>
        <source>Analysis is not available: %s.</source>
        <translation>L'analyse n'est pas disponible : %s.</translation>
    </message>
    <message>
        <source>Only a game begun in the starting position can be analysed.</source>
        <translation>Seule une partie commencée dans la position de départ peut être analysée.</translation>
    </message>
    <message>
        <source>Game analysis</source>
        <translation>Analyse de la partie</translation>
    </message>
    <message>
        <source>Analyse game</source>
        <translation>Analyser la partie</translation>
    </message>
    <message>
        <source>The Expert judges every play and cube action...</source>
        <translation>L'Expert juge chaque coup et chaque action du videau...</translation>
    </message>
    <message>
        <source>Errors in thousandths of a point per game (mEMG), per unit of the cube; luck in points.</source>
        <translation>Erreurs en millièmes de point par partie (mEMG), par unité du videau ; chance en points.</translation>
    </message>
    <message>
        <source>Double</source>
        <translation>Doubler</translation>
    </message>
    <message>
        <source>No double</source>
        <translation>Pas de double</translation>
    </message>
    <message>
        <source>Take</source>
        <translation>Accepter</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Refuser</translation>
    </message>
    <message>
        <source>Decisions</source>
        <translation>Décisions</translation>
    </message>
    <message>
        <source>Error rate</source>
        <translation>Taux d'erreur</translation>
    </message>
    <message>
        <source>Doubtful</source>
        <translation>Douteux</translation>
    </message>
    <message>
        <source>Bad</source>
        <translation>Mauvais</translation>
    </message>
    <message>
        <source>Very bad</source>
        <translation>Très mauvais</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Luck</source>
        <translation>Chance</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Tour</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>Camp</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Jet</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Joué</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Meilleur</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Perte</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Supernatural</source>
        <translation>Surnaturel</translation>
    </message>
    <message>
        <source>World class</source>
        <translation>Classe mondiale</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avancé</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Intermédiaire</translation>
    </message>
    <message>
        <source>Casual player</source>
        <translation>Joueur occasionnel</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Débutant</translation>
    </message>
    <message>
        <source>Awful</source>
        <translation>Catastrophique</translation>
    </message>
    <message>
        <source>&amp;Tutor...</source>
        <translation>T&amp;uteur...</translation>
    </message>
    <message>
        <source>Be warned before a weak play of yours passes</source>
        <translation>Être averti avant qu'un coup faible ne passe</translation>
    </message>
    <message>
        <source>Your play %s is doubtful: it gives up %s points a game against %s.</source>
        <translation>Votre coup %s est douteux : il perd %s point par partie face à %s.</translation>
    </message>
    <message>
        <source>Your play %s is bad: it gives up %s points a game against %s.</source>
        <translation>Votre coup %s est mauvais : il perd %s point par partie face à %s.</translation>
    </message>
    <message>
        <source>Your play %s is very bad: it gives up %s points a game against %s.</source>
        <translation>Votre coup %s est très mauvais : il perd %s point par partie face à %s.</translation>
    </message>
    <message>
        <source>The tutor is not available: %s.</source>
        <translation>Le tuteur n'est pas disponible : %s.</translation>
    </message>
    <message>
        <source>Tutor</source>
        <translation>Tuteur</translation>
    </message>
    <message>
        <source>&amp;Warn me before a play of mine passes that is</source>
        <translation>&amp;Avertir avant qu'un de mes coups ne passe s'il est</translation>
    </message>
    <message>
        <source>&amp;doubtful or worse</source>
        <translation>&amp;douteux ou pire</translation>
    </message>
    <message>
        <source>&amp;bad or worse</source>
        <translation>&amp;mauvais ou pire</translation>
    </message>
    <message>
        <source>&amp;very bad</source>
        <translation>&amp;très mauvais</translation>
    </message>
    <message>
        <source>&amp;Play anyway</source>
        <translation>&amp;Jouer quand même</translation>
    </message>
    <message>
        <source>&amp;Take back</source>
        <translation>&amp;Reprendre</translation>
    </message>
    <message>
        <source>&amp;Show hint</source>
        <translation>&amp;Voir un indice</translation>
    </message>
    <message>
        <source>doubtful</source>
        <translation>douteux</translation>
    </message>
    <message>
        <source>bad</source>
        <translation>mauvais</translation>
    </message>
    <message>
        <source>very bad</source>
        <translation>très mauvais</translation>
    </message>
    <message>
        <source>Your double is %s: it gives up %s points a game against not doubling.</source>
        <translation>Doubler ici est %s : cela perd %s point par partie face à ne pas doubler.</translation>
    </message>
    <message>
        <source>Your take is %s: it gives up %s points a game against a pass.</source>
        <translation>Prendre ici est %s : cela perd %s point par partie face à refuser.</translation>
    </message>
    <message>
        <source>Your pass is %s: it gives up %s points a game against a take.</source>
        <translation>Refuser ici est %s : cela perd %s point par partie face à prendre.</translation>
    </message>
</context>
</TS>
