<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Tablor</name>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Manual dice</source>
        <translation>Dados manuales</translation>
    </message>
    <message>
        <source>Enter roll:</source>
        <translation>Introduzca la tirada:</translation>
    </message>
    <message>
        <source>%1 Help</source>
        <translation>Ayuda de %1</translation>
    </message>
    <message>
        <source>st </source>
        <translation>º</translation>
    </message>
    <message>
        <source>nd</source>
        <translation>º</translation>
    </message>
    <message>
        <source>rd </source>
        <translation>º</translation>
    </message>
    <message>
        <source>th </source>
        <translation>º</translation>
    </message>
    <message>
        <source>from  </source>
        <translation>de  </translation>
    </message>
    <message>
        <source>  to  </source>
        <translation>  a  </translation>
    </message>
    <message>
        <source>Dice: </source>
        <translation>Dados: </translation>
    </message>
    <message>
        <source>Computer doubles. -Ok ?</source>
        <translation>El ordenador dobla. -¿Acepta?</translation>
    </message>
    <message>
        <source>Thinking...</source>
        <translation>Pensando...</translation>
    </message>
    <message>
        <source>Moving...</source>
        <translation>Moviendo...</translation>
    </message>
    <message>
        <source>&lt;Esc&gt; or right mouse to undo</source>
        <translation>&lt;Esc&gt; o botón derecho para deshacer</translation>
    </message>
    <message>
        <source>You cannot move. Press spacebar or click dice</source>
        <translation>No puede mover. Pulse la barra espaciadora o haga clic en los dados</translation>
    </message>
    <message>
        <source>= Computer leads by %d =</source>
        <translation>= Ventaja del ordenador: %d =</translation>
    </message>
    <message>
        <source>= You lead by %d =</source>
        <translation>= Su ventaja: %d =</translation>
    </message>
    <message>
        <source>%ld min %02ld sec</source>
        <translation>%ld min %02ld s</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Empate</translation>
    </message>
    <message>
        <source>Computer does not accept</source>
        <translation>El ordenador no acepta</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>If there is any way to use both dice, then you must do so.

Please undo your move and try again.</source>
        <translation>Si hay alguna forma de usar ambos dados, debe hacerlo.

Deshaga su movimiento e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Scheme %c</source>
        <translation>Esquema %c</translation>
    </message>
    <message>
        <source>Position files (*.pos)|*.pos|All files (*.*)|*.*||</source>
        <translation>Archivos de posición (*.pos)|*.pos|Todos los archivos (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Text files (*.txt)|*.txt|All files (*.*)|*.*||</source>
        <translation>Archivos de texto (*.txt)|*.txt|Todos los archivos (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Wave files (*.wav)|*.wav||</source>
        <translation>Archivos Wave (*.wav)|*.wav||</translation>
    </message>
    <message>
        <source>Click on position to leave from...</source>
        <translation>Haga clic en la casilla de salida...</translation>
    </message>
    <message>
        <source>Click on position to move to...</source>
        <translation>Haga clic en la casilla de llegada...</translation>
    </message>
    <message>
        <source>Play the BAR piece first</source>
        <translation>Primero la ficha de la BARRA</translation>
    </message>
    <message>
        <source>No move</source>
        <translation>Sin movimiento</translation>
    </message>
    <message>
        <source>Keep &lt;Esc&gt; pressed to cancel</source>
        <translation>Mantenga pulsado &lt;Esc&gt; para cancelar</translation>
    </message>
    <message>
        <source>Start new game ?</source>
        <translation>¿Empezar una partida nueva?</translation>
    </message>
    <message>
        <source>Reset all scores to 0 ?</source>
        <translation>¿Poner todas las puntuaciones a 0?</translation>
    </message>
    <message>
        <source>Invalid position file !</source>
        <translation>¡Archivo de posición no válido!</translation>
    </message>
    <message>
        <source>Invalid rolls file !</source>
        <translation>¡Archivo de tiradas no válido!</translation>
    </message>
    <message>
        <source> not found</source>
        <translation> no encontrado</translation>
    </message>
    <message>
        <source>Cannot save position file !</source>
        <translation>¡No se puede guardar el archivo de posición!</translation>
    </message>
    <message>
        <source> cannot be shown</source>
        <translation> no se puede mostrar</translation>
    </message>
    <message>
        <source>Game resumed</source>
        <translation>Partida reanudada</translation>
    </message>
    <message>
        <source>Match files (*.mat)|*.mat|All files (*.*)|*.*||</source>
        <translation>Archivos de match (*.mat)|*.mat|Todos los archivos (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Cannot write match file !</source>
        <translation>¡No se puede escribir el archivo de match!</translation>
    </message>
    <message>
        <source>Only a game played from the starting position can be exported !</source>
        <translation>¡Solo se puede exportar una partida jugada desde la posición inicial!</translation>
    </message>
    <message>
        <source>Cannot write settings file !

Scores and settings may be lost when the program ends.</source>
        <translation>¡No se puede escribir el archivo de configuración!

Las puntuaciones y la configuración pueden perderse al cerrar el programa.</translation>
    </message>
    <message>
        <source>Abandon current game and start a new one</source>
        <translation>Abandonar la partida actual y empezar una nueva</translation>
    </message>
    <message>
        <source>Restore a previously saved game</source>
        <translation>Recuperar una partida guardada</translation>
    </message>
    <message>
        <source>Save the current game</source>
        <translation>Guardar la partida actual</translation>
    </message>
    <message>
        <source>Write the game so far to a match file for analysis</source>
        <translation>Escribir la partida hasta ahora en un archivo de match para analizarla</translation>
    </message>
    <message>
        <source>Adjust settings of gameplay and interface</source>
        <translation>Ajustar la configuración del juego y de la interfaz</translation>
    </message>
    <message>
        <source>Reset the scores</source>
        <translation>Reiniciar las puntuaciones</translation>
    </message>
    <message>
        <source>Show relative progress of game</source>
        <translation>Mostrar el progreso relativo de la partida</translation>
    </message>
    <message>
        <source>Undo last move(s)</source>
        <translation>Deshacer los últimos movimientos</translation>
    </message>
    <message>
        <source>Double the stakes</source>
        <translation>Doblar la apuesta</translation>
    </message>
    <message>
        <source>Unable to make a move</source>
        <translation>No se puede mover</translation>
    </message>
    <message>
        <source>Give up this game</source>
        <translation>Abandonar esta partida</translation>
    </message>
    <message>
        <source>Play computer&apos;s best move</source>
        <translation>Jugar el mejor movimiento del ordenador</translation>
    </message>
    <message>
        <source>Switch sides with computer</source>
        <translation>Cambiar de lado con el ordenador</translation>
    </message>
    <message>
        <source>Finish game; let program play both sides</source>
        <translation>Terminar la partida; el programa juega por ambos lados</translation>
    </message>
    <message>
        <source>Choose or edit a color scheme</source>
        <translation>Elegir o editar un esquema de colores</translation>
    </message>
    <message>
        <source>Redraw the screen</source>
        <translation>Redibujar la pantalla</translation>
    </message>
    <message>
        <source>Show help on game and program</source>
        <translation>Mostrar ayuda sobre el juego y el programa</translation>
    </message>
    <message>
        <source>Show documentation</source>
        <translation>Mostrar la documentación</translation>
    </message>
    <message>
        <source>About Tablor</source>
        <translation>Acerca de Tablor</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <translation>&amp;Nueva partida</translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Guardar...</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>Export &amp;game...</source>
        <translation>&amp;Exportar partida...</translation>
    </message>
    <message>
        <source>Ctrl+E</source>
        <translation>Ctrl+E</translation>
    </message>
    <message>
        <source>S&amp;ettings...</source>
        <translation>&amp;Configuración...</translation>
    </message>
    <message>
        <source>F9</source>
        <translation>F9</translation>
    </message>
    <message>
        <source>&amp;Reset scores</source>
        <translation>&amp;Reiniciar puntuaciones</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Action</source>
        <translation>&amp;Partida</translation>
    </message>
    <message>
        <source>Show &amp;progress</source>
        <translation>Mostrar &amp;progreso</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>&amp;Double</source>
        <translation>Do&amp;blar</translation>
    </message>
    <message>
        <source>Ctrl+D</source>
        <translation>Ctrl+D</translation>
    </message>
    <message>
        <source>&amp;Pass</source>
        <translation>Pa&amp;sar</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espacio</translation>
    </message>
    <message>
        <source>&amp;Resign...</source>
        <translation>&amp;Rendirse...</translation>
    </message>
    <message>
        <source>Ctrl+Space</source>
        <translation>Ctrl+Espacio</translation>
    </message>
    <message>
        <source>Suggest &amp;move</source>
        <translation>Sugerir &amp;movimiento</translation>
    </message>
    <message>
        <source>Ctrl+M</source>
        <translation>Ctrl+M</translation>
    </message>
    <message>
        <source>S&amp;witch sides</source>
        <translation>&amp;Cambiar de lado</translation>
    </message>
    <message>
        <source>Ctrl+W</source>
        <translation>Ctrl+W</translation>
    </message>
    <message>
        <source>&amp;Finish game</source>
        <translation>&amp;Terminar partida</translation>
    </message>
    <message>
        <source>Ctrl+F</source>
        <translation>Ctrl+F</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Colors...</source>
        <translation>&amp;Colores...</translation>
    </message>
    <message>
        <source>Ctrl+C</source>
        <translation>Ctrl+C</translation>
    </message>
    <message>
        <source>&amp;Redraw</source>
        <translation>&amp;Redibujar</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>&amp;Documentation</source>
        <translation>&amp;Documentación</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>Backgammon game</source>
        <translation>Juego de backgammon</translation>
    </message>
    <message>
        <source>Good luck!</source>
        <translation>¡Buena suerte!</translation>
    </message>
    <message>
        <source>Version 1.0</source>
        <translation>Versión 1.0</translation>
    </message>
    <message>
        <source>Tablor, a backgammon game for the desktop</source>
        <translation>Tablor, un juego de backgammon para el escritorio</translation>
    </message>
    <message>
        <source>Free software; see Documentation.htm</source>
        <translation>Software libre; véase Documentation.htm</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>The Expert level is not available: %s. The computer plays at Good.</source>
        <translation>El nivel Experto no está disponible: %s. El ordenador juega en el nivel Bueno.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Visual</source>
        <translation>Apariencia</translation>
    </message>
    <message>
        <source>S&amp;peed of pieces</source>
        <translation>&amp;Velocidad de las fichas</translation>
    </message>
    <message>
        <source>Show progre&amp;ss bar</source>
        <translation>Mostrar barra de &amp;progreso</translation>
    </message>
    <message>
        <source>Picture &amp;dice</source>
        <translation>&amp;Dados con imagen</translation>
    </message>
    <message>
        <source>Pie&amp;ces shake when hit</source>
        <translation>Las fichas &amp;tiemblan al ser comidas</translation>
    </message>
    <message>
        <source>Play clock&amp;wise</source>
        <translation>Jugar en sentido &amp;horario</translation>
    </message>
    <message>
        <source>Aut&amp;o finish</source>
        <translation>Final &amp;automático</translation>
    </message>
    <message>
        <source>H&amp;ighlight</source>
        <translation>&amp;Resaltado</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Introduzca un número entero.</translation>
    </message>
    <message>
        <source>Please enter an integer between 1 and 50.</source>
        <translation>Introduzca un número entero entre 1 y 50.</translation>
    </message>
    <message>
        <source>Always quick</source>
        <translation>Siempre rápido</translation>
    </message>
    <message>
        <source>Always slow</source>
        <translation>Siempre lento</translation>
    </message>
    <message>
        <source>Ask</source>
        <translation>Preguntar</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Selected position</source>
        <translation>Casilla elegida</translation>
    </message>
    <message>
        <source>Possible moves</source>
        <translation>Movimientos posibles</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Juego</translation>
    </message>
    <message>
        <source>S&amp;kill level:</source>
        <translation>&amp;Nivel:</translation>
    </message>
    <message>
        <source>&amp;Auto change turn</source>
        <translation>Cambio de turno &amp;automático</translation>
    </message>
    <message>
        <source>Auto play &amp;forced moves</source>
        <translation>Jugar movimientos &amp;forzados</translation>
    </message>
    <message>
        <source>&amp;Use cube</source>
        <translation>Usar el &amp;cubo doblador</translation>
    </message>
    <message>
        <source>Intelli&amp;gent moves</source>
        <translation>Movimientos &amp;inteligentes</translation>
    </message>
    <message>
        <source>&amp;Who starts first game ?</source>
        <translation>¿&amp;Quién empieza la primera partida?</translation>
    </message>
    <message>
        <source>Current score</source>
        <translation>Puntuación actual</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Usted</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordenador</translation>
    </message>
    <message>
        <source>Poor</source>
        <translation>Flojo</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Medio</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Bueno</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experto</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Al azar</translation>
    </message>
    <message>
        <source>Human player</source>
        <translation>Jugador humano</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Dados</translation>
    </message>
    <message>
        <source>Source of rolls</source>
        <translation>Origen de las tiradas</translation>
    </message>
    <message>
        <source>&amp;Computer generated</source>
        <translation>Generadas por el &amp;ordenador</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Manual</translation>
    </message>
    <message>
        <source>&amp;Read from file:</source>
        <translation>&amp;Leer de archivo:</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sonidos</translation>
    </message>
    <message>
        <source>&amp;Event</source>
        <translation>&amp;Evento</translation>
    </message>
    <message>
        <source>&amp;Active</source>
        <translation>&amp;Activo</translation>
    </message>
    <message>
        <source>&amp;Sound to play</source>
        <translation>&amp;Sonido a reproducir</translation>
    </message>
    <message>
        <source>Dice roll</source>
        <translation>Tirada de dados</translation>
    </message>
    <message>
        <source>Piece moves</source>
        <translation>Una ficha se mueve</translation>
    </message>
    <message>
        <source>Piece is hit</source>
        <translation>Comen una ficha</translation>
    </message>
    <message>
        <source>User wins a game</source>
        <translation>El jugador gana una partida</translation>
    </message>
    <message>
        <source>User loses a game</source>
        <translation>El jugador pierde una partida</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>games played</source>
        <translation>partidas jugadas</translation>
    </message>
    <message>
        <source>&amp;New rolls</source>
        <translation>&amp;Nuevas tiradas</translation>
    </message>
    <message>
        <source>&amp;Same rolls</source>
        <translation>&amp;Mismas tiradas</translation>
    </message>
    <message>
        <source>S&amp;wapped rolls</source>
        <translation>Tiradas &amp;cambiadas</translation>
    </message>
    <message>
        <source>Doubles</source>
        <translation>Dobles</translation>
    </message>
    <message>
        <source>Hits made</source>
        <translation>Comidas</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Thinking time</source>
        <translation>Reflexión</translation>
    </message>
    <message>
        <source>&amp;Again</source>
        <translation>&amp;Otra</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Resign</source>
        <translation>Rendirse</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Elija</translation>
    </message>
    <message>
        <source>Single stakes</source>
        <translation>Apuesta simple</translation>
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
        <translation>Final automático</translation>
    </message>
    <message>
        <source>&amp;Fast</source>
        <translation>&amp;Rápido</translation>
    </message>
    <message>
        <source>&amp;Slow</source>
        <translation>&amp;Lento</translation>
    </message>
    <message>
        <source>Backgr&amp;ound</source>
        <translation>&amp;Fondo</translation>
    </message>
    <message>
        <source>Position &amp;A</source>
        <translation>Casilla &amp;A</translation>
    </message>
    <message>
        <source>Position &amp;B</source>
        <translation>Casilla &amp;B</translation>
    </message>
    <message>
        <source>&amp;Computer piece</source>
        <translation>Ficha del &amp;ordenador</translation>
    </message>
    <message>
        <source>Hu&amp;man piece</source>
        <translation>Ficha del &amp;jugador</translation>
    </message>
    <message>
        <source>Ba&amp;r</source>
        <translation>Ba&amp;rra</translation>
    </message>
    <message>
        <source>&amp;Schemes</source>
        <translation>&amp;Esquemas</translation>
    </message>
    <message>
        <source>O&amp;K</source>
        <translation>Ace&amp;ptar</translation>
    </message>
    <message>
        <source>Ca&amp;ncel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>Pre&amp;determinado</translation>
    </message>
    <message>
        <source>Export &amp;last game...</source>
        <translation>Exportar ú&amp;ltima partida...</translation>
    </message>
    <message>
        <source>Write the game finished last to a match file for analysis</source>
        <translation>Escribir la última partida acabada en un archivo de match</translation>
    </message>
    <message>
        <source>&amp;Copy position ID</source>
        <translation>Co&amp;piar ID de posición</translation>
    </message>
    <message>
        <source>&amp;Paste position ID</source>
        <translation>Pegar ID de pos&amp;ición</translation>
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
        <translation>Copiar el ID de posición y el ID de match al portapapeles</translation>
    </message>
    <message>
        <source>Set up the position whose ID is on the clipboard</source>
        <translation>Colocar la posición cuyo ID está en el portapapeles</translation>
    </message>
    <message>
        <source>Position ID: %s
Match ID: %s

Both are on the clipboard.</source>
        <translation>ID de posición: %s
ID de match: %s

Ambos están en el portapapeles.</translation>
    </message>
    <message>
        <source>The clipboard holds no Position ID of a position that can be played.</source>
        <translation>El portapapeles no contiene ningún ID de posición jugable.</translation>
    </message>
    <message>
        <source>&amp;Hints...</source>
        <translation>P&amp;istas...</translation>
    </message>
    <message>
        <source>Ctrl+H</source>
        <translation>Ctrl+H</translation>
    </message>
    <message>
        <source>List the best plays of your roll with their equities</source>
        <translation>Mostrar las mejores jugadas de su tirada</translation>
    </message>
    <message>
        <source>Hints are not available: %s.</source>
        <translation>Las pistas no están disponibles: %s.</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>Pistas</translation>
    </message>
    <message>
        <source>Your roll: %1-%2</source>
        <translation>Su tirada: %1-%2</translation>
    </message>
    <message>
        <source>Equities with the cube, in points per game.</source>
        <translation>Equidades con el cubo, en puntos por partida.</translation>
    </message>
    <message>
        <source>Equities without the cube, in points per game.</source>
        <translation>Equidades sin el cubo, en puntos por partida.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Jugada</translation>
    </message>
    <message>
        <source>Equity</source>
        <translation>Equidad</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Diferencia</translation>
    </message>
    <message>
        <source>Win</source>
        <translation>Gana</translation>
    </message>
    <message>
        <source>Win gammon</source>
        <translation>Gana gammon</translation>
    </message>
    <message>
        <source>Win backgammon</source>
        <translation>Gana backgammon</translation>
    </message>
    <message>
        <source>Lose gammon</source>
        <translation>Pierde gammon</translation>
    </message>
    <message>
        <source>Lose backgammon</source>
        <translation>Pierde backgammon</translation>
    </message>
    <message>
        <source>Plies</source>
        <translation>Profundidad</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Jugar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>&amp;Analyse game...</source>
        <translation>&amp;Analizar partida...</translation>
    </message>
    <message>
        <source>Judge every play and cube action of the game</source>
        <translation>Juzgar las jugadas y el cubo de la partida</translation>
    </message>
    <message>
        <source>Analysis is not available: %s.</source>
        <translation>El análisis no está disponible: %s.</translation>
    </message>
    <message>
        <source>Only a game begun in the starting position can be analysed.</source>
        <translation>Solo se puede analizar una partida empezada en la posición inicial.</translation>
    </message>
    <message>
        <source>Game analysis</source>
        <translation>Análisis de la partida</translation>
    </message>
    <message>
        <source>Analyse game</source>
        <translation>Analizar partida</translation>
    </message>
    <message>
        <source>The Expert judges every play and cube action...</source>
        <translation>El Experto juzga cada jugada y cada acción del cubo...</translation>
    </message>
    <message>
        <source>Errors in thousandths of a point per game (mEMG), per unit of the cube; luck in points.</source>
        <translation>Errores en milésimas de punto por partida (mEMG), por unidad del cubo; suerte en puntos.</translation>
    </message>
    <message>
        <source>Double</source>
        <translation>Doblar</translation>
    </message>
    <message>
        <source>No double</source>
        <translation>No doblar</translation>
    </message>
    <message>
        <source>Take</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Rechazar</translation>
    </message>
    <message>
        <source>Decisions</source>
        <translation>Decisiones</translation>
    </message>
    <message>
        <source>Error rate</source>
        <translation>Tasa de error</translation>
    </message>
    <message>
        <source>Doubtful</source>
        <translation>Dudosa</translation>
    </message>
    <message>
        <source>Bad</source>
        <translation>Mala</translation>
    </message>
    <message>
        <source>Very bad</source>
        <translation>Muy mala</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Luck</source>
        <translation>Suerte</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Turno</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>Lado</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Tirada</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Jugado</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Mejor</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Pérdida</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Marca</translation>
    </message>
    <message>
        <source>Supernatural</source>
        <translation>Sobrenatural</translation>
    </message>
    <message>
        <source>World class</source>
        <translation>Clase mundial</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avanzado</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Intermedio</translation>
    </message>
    <message>
        <source>Casual player</source>
        <translation>Jugador ocasional</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Principiante</translation>
    </message>
    <message>
        <source>Awful</source>
        <translation>Pésimo</translation>
    </message>
    <message>
        <source>&amp;Tutor...</source>
        <translation>T&amp;utor...</translation>
    </message>
    <message>
        <source>Be warned before a weak play of yours passes</source>
        <translation>Avisar antes de que pase una jugada débil</translation>
    </message>
    <message>
        <source>Your play %s is doubtful: it gives up %s points a game against %s.</source>
        <translation>Su jugada %s es dudosa: pierde %s puntos por partida frente a %s.</translation>
    </message>
    <message>
        <source>Your play %s is bad: it gives up %s points a game against %s.</source>
        <translation>Su jugada %s es mala: pierde %s puntos por partida frente a %s.</translation>
    </message>
    <message>
        <source>Your play %s is very bad: it gives up %s points a game against %s.</source>
        <translation>Su jugada %s es muy mala: pierde %s puntos por partida frente a %s.</translation>
    </message>
    <message>
        <source>The tutor is not available: %s.</source>
        <translation>El tutor no está disponible: %s.</translation>
    </message>
    <message>
        <source>Tutor</source>
        <translation>Tutor</translation>
    </message>
    <message>
        <source>&amp;Warn me before a play of mine passes that is</source>
        <translation>&amp;Avisarme antes de que pase una jugada mía que sea</translation>
    </message>
    <message>
        <source>&amp;doubtful or worse</source>
        <translation>&amp;dudosa o peor</translation>
    </message>
    <message>
        <source>&amp;bad or worse</source>
        <translation>&amp;mala o peor</translation>
    </message>
    <message>
        <source>&amp;very bad</source>
        <translation>m&amp;uy mala</translation>
    </message>
    <message>
        <source>&amp;Play anyway</source>
        <translation>&amp;Jugar de todos modos</translation>
    </message>
    <message>
        <source>&amp;Take back</source>
        <translation>&amp;Retirar</translation>
    </message>
    <message>
        <source>&amp;Show hint</source>
        <translation>&amp;Ver pista</translation>
    </message>
    <message>
        <source>doubtful</source>
        <translation>dudoso</translation>
    </message>
    <message>
        <source>bad</source>
        <translation>malo</translation>
    </message>
    <message>
        <source>very bad</source>
        <translation>muy malo</translation>
    </message>
    <message>
        <source>Your double is %s: it gives up %s points a game against not doubling.</source>
        <translation>Doblar aquí es %s: pierde %s puntos por partida frente a no doblar.</translation>
    </message>
    <message>
        <source>Your take is %s: it gives up %s points a game against a pass.</source>
        <translation>Aceptar aquí es %s: pierde %s puntos por partida frente a rechazar.</translation>
    </message>
    <message>
        <source>Your pass is %s: it gives up %s points a game against a take.</source>
        <translation>Rechazar aquí es %s: pierde %s puntos por partida frente a aceptar.</translation>
    </message>
</context>
</TS>
