<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>GameMessages</name>
    <message>
        <source>Draw. No winner yet!</source>
        <translation>Empate. ¡Todavía no hay ganador!</translation>
    </message>
    <message>
        <source>This DEMO game ends with a draw.</source>
        <translation>Esta partida DEMO termina en empate.</translation>
    </message>
    <message>
        <source>Start DEMO game? (current results will be lost)</source>
        <translation>¿Empezar una partida DEMO? (se perderán los resultados actuales)</translation>
    </message>
    <message>
        <source>Keep this replay?</source>
        <translation>¿Conservar esta repetición?</translation>
    </message>
    <message>
        <source>Stop watching?</source>
        <translation>¿Dejar de mirar?</translation>
    </message>
    <message>
        <source>The recorded game was left here, before its end.</source>
        <translation>La partida grabada se abandonó aquí, antes de terminar.</translation>
    </message>
    <message>
        <source>Open replay</source>
        <translation>Abrir repetición</translation>
    </message>
    <message>
        <source>Keep this replay</source>
        <translation>Conservar esta repetición</translation>
    </message>
    <message>
        <source>Replay not saved</source>
        <translation>Repetición no guardada</translation>
    </message>
    <message>
        <source>Play on a server</source>
        <translation>Jugar en un servidor</translation>
    </message>
    <message>
        <source>Seat a player first (Players &gt; Set up human players...).</source>
        <translation>Primero pon a un jugador en un puesto (Jugadores &gt; Configurar jugadores humanos...).</translation>
    </message>
    <message>
        <source>The machines disagree about the game; it was stopped.</source>
        <translation>Los equipos no coinciden sobre la partida; se ha detenido.</translation>
    </message>
    <message>
        <source>The host dropped this machine because it stopped answering.</source>
        <translation>El anfitrión ha sacado a este equipo porque dejó de responder.</translation>
    </message>
    <message>
        <source>This machine&apos;s game was not the server&apos;s; it was taken out of the game.</source>
        <translation>La partida de este equipo no era la del servidor; se le ha sacado de la partida.</translation>
    </message>
    <message>
        <source>The server is shutting down.</source>
        <translation>El servidor se está apagando.</translation>
    </message>
    <message>
        <source>The host has closed the game.</source>
        <translation>El anfitrión ha cerrado la partida.</translation>
    </message>
    <message>
        <source>the computer player</source>
        <translation>el jugador del ordenador</translation>
    </message>
    <message>
        <source>Round finished!
%1

Click for the next round:</source>
        <translation>¡Ronda terminada!
%1

Pulsa para la siguiente ronda:</translation>
    </message>
    <message>
        <source>Round finished!
%1</source>
        <translation>¡Ronda terminada!
%1</translation>
    </message>
    <message>
        <source>%1 points reached.

The winner is %2 !
%3&apos;s rating is now %4.</source>
        <translation>%1 puntos alcanzados.

¡El ganador es %2!
La puntuación de %3 es ahora %4.</translation>
    </message>
    <message>
        <source>This DEMO game has been won by %1.</source>
        <translation>Esta partida DEMO la ha ganado %1.</translation>
    </message>
    <message>
        <source>This replay did not play as it was recorded, from tick %1 on.</source>
        <translation>A partir del tic %1, esta repetición no se reprodujo tal como se grabó.</translation>
    </message>
    <message>
        <source>%1
The game itself is not affected.</source>
        <translation>%1
La partida en sí no se ve afectada.</translation>
    </message>
    <message>
        <source>Gamepad %1 is not connected.</source>
        <translation>El mando %1 no está conectado.</translation>
    </message>
    <message>
        <source>the computer player #%1</source>
        <translation>el jugador del ordenador n.º %1</translation>
    </message>
    <message>
        <source>This game was made by a different version of Slyders.</source>
        <translation>Esta partida se creó con otra versión de Slyders.</translation>
    </message>
    <message>
        <source>The host stopped answering.</source>
        <translation>El anfitrión ha dejado de responder.</translation>
    </message>
    <message>
        <source>The game is full: no seat is free.</source>
        <translation>La partida está llena: no queda ningún puesto libre.</translation>
    </message>
    <message>
        <source>The game is full: only 1 seat is free.</source>
        <translation>La partida está llena: solo queda 1 puesto libre.</translation>
    </message>
    <message>
        <source>Wrong password.</source>
        <translation>Contraseña incorrecta.</translation>
    </message>
    <message>
        <source>This game needs a password.</source>
        <translation>Esta partida necesita contraseña.</translation>
    </message>
    <message>
        <source>The game has already started.</source>
        <translation>La partida ya ha empezado.</translation>
    </message>
    <message>
        <source>Too many bad packets.</source>
        <translation>Demasiados paquetes erróneos.</translation>
    </message>
    <message>
        <source>No room has this code.</source>
        <translation>Ninguna sala tiene este código.</translation>
    </message>
    <message>
        <source>Too many wrong codes: try again in a few minutes.</source>
        <translation>Demasiados códigos incorrectos: vuelve a intentarlo dentro de unos minutos.</translation>
    </message>
    <message>
        <source>The server holds all the rooms it may: try again later.</source>
        <translation>El servidor ya tiene todas las salas que puede: vuelve a intentarlo más tarde.</translation>
    </message>
    <message>
        <source>A player&apos;s name belongs to another machine on this server.</source>
        <translation>El nombre de un jugador pertenece a otro equipo de este servidor.</translation>
    </message>
    <message>
        <source>The room has as many spectators as it may.</source>
        <translation>La sala ya tiene todos los espectadores que admite.</translation>
    </message>
    <message>
        <source>The room is full: no seat is free.</source>
        <translation>La sala está llena: no queda ningún puesto libre.</translation>
    </message>
    <message>
        <source>Refused.</source>
        <translation>Rechazado.</translation>
    </message>
    <message>
        <source>The game is full: only %1 seats are free.</source>
        <translation>La partida está llena: solo quedan %1 puestos libres.</translation>
    </message>
    <message>
        <source>Could not reach %1.</source>
        <translation>No se ha podido conectar con %1.</translation>
    </message>
    <message>
        <source>No room has the code %1.</source>
        <translation>Ninguna sala tiene el código %1.</translation>
    </message>
    <message>
        <source>The host at %1 did not answer.</source>
        <translation>El anfitrión en %1 no ha respondido.</translation>
    </message>
    <message>
        <source>This machine draws the arena&apos;s texts differently from the host&apos;s (its fonts or font library differ)</source>
        <translation>Este equipo dibuja los textos de la arena de forma distinta al del anfitrión (sus fuentes o su biblioteca de fuentes son otras)</translation>
    </message>
    <message>
        <source>This machine&apos;s maths library computes the game&apos;s angles differently from the host&apos;s</source>
        <translation>La biblioteca matemática de este equipo calcula los ángulos del juego de forma distinta a la del anfitrión</translation>
    </message>
    <message>
        <source>This machine reads the game&apos;s settings differently</source>
        <translation>Este equipo lee los ajustes del juego de otra forma</translation>
    </message>
    <message>
        <source>This machine plays under other rules than the host&apos;s</source>
        <translation>Este equipo juega con otras reglas que el del anfitrión</translation>
    </message>
    <message>
        <source>The network could not be started.</source>
        <translation>No se ha podido iniciar la red.</translation>
    </message>
    <message>
        <source>The host address is empty.</source>
        <translation>La dirección del anfitrión está vacía.</translation>
    </message>
    <message>
        <source>The port cannot change once a guest has joined.</source>
        <translation>El puerto ya no puede cambiar una vez que se ha unido un invitado.</translation>
    </message>
    <message>
        <source>This file is not a Slyders replay.</source>
        <translation>Este archivo no es una repetición de Slyders.</translation>
    </message>
    <message>
        <source>This replay was made by a newer Slyders.</source>
        <translation>Esta repetición se hizo con una versión más reciente de Slyders.</translation>
    </message>
    <message>
        <source>its format version is 0</source>
        <translation>la versión de su formato es 0</translation>
    </message>
    <message>
        <source>it is cut short</source>
        <translation>está cortada</translation>
    </message>
    <message>
        <source>it was cut short or changed since it was written</source>
        <translation>se cortó o se modificó después de escribirse</translation>
    </message>
    <message>
        <source>it does not hold the 23 settings</source>
        <translation>no contiene los 23 ajustes</translation>
    </message>
    <message>
        <source>there are bytes after its end</source>
        <translation>hay bytes después de su final</translation>
    </message>
    <message>
        <source>the game has no players</source>
        <translation>la partida no tiene jugadores</translation>
    </message>
    <message>
        <source>an event of an unknown kind</source>
        <translation>contiene un evento de tipo desconocido</translation>
    </message>
    <message>
        <source>its checks do not cover the game</source>
        <translation>sus comprobaciones no cubren la partida</translation>
    </message>
    <message>
        <source>more slyders died than played</source>
        <translation>murieron más slyders de los que jugaron</translation>
    </message>
    <message>
        <source>the order of deaths names no slot</source>
        <translation>el orden de las muertes no nombra ningún puesto</translation>
    </message>
    <message>
        <source>the DEMO flag</source>
        <translation>indicador DEMO</translation>
    </message>
    <message>
        <source>the number of computer players</source>
        <translation>número de jugadores del ordenador</translation>
    </message>
    <message>
        <source>the number of human players</source>
        <translation>número de jugadores humanos</translation>
    </message>
    <message>
        <source>the skill</source>
        <translation>nivel</translation>
    </message>
    <message>
        <source>the speed</source>
        <translation>velocidad</translation>
    </message>
    <message>
        <source>the seed</source>
        <translation>semilla del azar</translation>
    </message>
    <message>
        <source>a key pair</source>
        <translation>par de teclas</translation>
    </message>
    <message>
        <source>a seat&apos;s player</source>
        <translation>jugador de un puesto</translation>
    </message>
    <message>
        <source>the round points</source>
        <translation>puntos por ronda</translation>
    </message>
    <message>
        <source>the rounds won</source>
        <translation>rondas ganadas</translation>
    </message>
    <message>
        <source>the arena side</source>
        <translation>lado de la arena</translation>
    </message>
    <message>
        <source>an event&apos;s tick</source>
        <translation>tic de un evento</translation>
    </message>
    <message>
        <source>an event</source>
        <translation>evento</translation>
    </message>
    <message>
        <source>the held keys</source>
        <translation>teclas pulsadas</translation>
    </message>
    <message>
        <source>a speed change</source>
        <translation>cambio de velocidad</translation>
    </message>
    <message>
        <source>a setting&apos;s number</source>
        <translation>número de un ajuste</translation>
    </message>
    <message>
        <source>a setting&apos;s value</source>
        <translation>valor de un ajuste</translation>
    </message>
    <message>
        <source>the seats that left</source>
        <translation>puestos que se fueron</translation>
    </message>
    <message>
        <source>the checksum</source>
        <translation>suma de comprobación</translation>
    </message>
    <message>
        <source>the program version</source>
        <translation>versión del programa</translation>
    </message>
    <message>
        <source>the date</source>
        <translation>fecha</translation>
    </message>
    <message>
        <source>the network flag</source>
        <translation>indicador de red</translation>
    </message>
    <message>
        <source>the settings</source>
        <translation>ajustes</translation>
    </message>
    <message>
        <source>the names</source>
        <translation>nombres</translation>
    </message>
    <message>
        <source>the ratings</source>
        <translation>puntuaciones</translation>
    </message>
    <message>
        <source>the end</source>
        <translation>final</translation>
    </message>
    <message>
        <source>the last tick</source>
        <translation>último tic</translation>
    </message>
    <message>
        <source>the events</source>
        <translation>eventos</translation>
    </message>
    <message>
        <source>the checks</source>
        <translation>comprobaciones</translation>
    </message>
    <message>
        <source>the final points</source>
        <translation>puntos finales</translation>
    </message>
    <message>
        <source>the order of deaths</source>
        <translation>orden de las muertes</translation>
    </message>
    <message>
        <source>the result</source>
        <translation>resultado</translation>
    </message>
    <message>
        <source>%1. Install the same Slyders package, with its fonts, on both machines.</source>
        <translation>%1. Instala el mismo paquete de Slyders, con sus fuentes, en los dos equipos.</translation>
    </message>
    <message>
        <source>Unknown address %1.</source>
        <translation>Dirección desconocida: %1.</translation>
    </message>
    <message>
        <source>Port %1 is in use or cannot be opened.</source>
        <translation>El puerto %1 está ocupado o no se puede abrir.</translation>
    </message>
    <message>
        <source>Port %1 and the %2 after it are in use or cannot be opened.</source>
        <translation>El puerto %1 y los %2 siguientes están ocupados o no se pueden abrir.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an address.</source>
        <translation>«%1» no es una dirección.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a port (1 to 65535).</source>
        <translation>«%1» no es un puerto (de 1 a 65535).</translation>
    </message>
    <message>
        <source>no socket to look for games: %1</source>
        <translation>no hay socket para buscar partidas: %1</translation>
    </message>
    <message>
        <source>The replay could not be written to %1.</source>
        <translation>No se ha podido escribir la repetición en %1.</translation>
    </message>
    <message>
        <source>The replay could not be kept: %1.</source>
        <translation>No se ha podido conservar la repetición: %1.</translation>
    </message>
    <message>
        <source>The replay %1 could not be read.</source>
        <translation>No se ha podido leer la repetición %1.</translation>
    </message>
    <message>
        <source>This replay is damaged: %1.</source>
        <translation>Esta repetición está dañada: %1.</translation>
    </message>
    <message>
        <source>there is a value out of range in %1</source>
        <translation>hay un valor fuera de rango (%1)</translation>
    </message>
    <message>
        <source>it ends inside %1</source>
        <translation>se corta en mitad de un campo (%1)</translation>
    </message>
    <message>
        <source>its arena side of %1 pixels is larger than any screen gives (at most %2)</source>
        <translation>su arena de %1 píxeles de lado es mayor que cualquier pantalla (como mucho %2)</translation>
    </message>
    <message>
        <source>its arena side of %1 pixels is smaller than any window gives (at least %2)</source>
        <translation>su arena de %1 píxeles de lado es menor que cualquier ventana (como mínimo %2)</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Between two reasons, each of which starts like a sentence of its own.</extracomment>
        <translation>. </translation>
    </message>
    <message>
        <source>not open</source>
        <translation>no está abierto</translation>
    </message>
    <message>
        <source>it failed its check</source>
        <translation>no ha superado su comprobación</translation>
    </message>
    <message>
        <source>it was written by another version of Slyders</source>
        <translation>lo escribió otra versión de Slyders</translation>
    </message>
    <message>
        <source>its tables are not the game&apos;s</source>
        <translation>sus tablas no son las del juego</translation>
    </message>
    <message>
        <source>The video&apos;s size must be even numbers from 160x120 to 7680x4320.</source>
        <translation>El tamaño del vídeo debe darse en números pares, de 160x120 a 7680x4320.</translation>
    </message>
    <message>
        <source>The video must be at least 5:4 wide, for the scoreboard beside the arena.</source>
        <translation>El vídeo debe tener al menos un formato de 5:4, para que el marcador quepa junto a la arena.</translation>
    </message>
    <message>
        <source>The part to export must start at 0 s or later and end after it starts.</source>
        <translation>El tramo que se exporta debe empezar en 0 s o más tarde y terminar después de empezar.</translation>
    </message>
    <message>
        <source>A GIF holds at most 30 s: choose a shorter part, or WebM or MP4.</source>
        <translation>Un GIF dura como mucho 30 s: elige un tramo más corto, o WebM o MP4.</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>No queda memoria.</translation>
    </message>
    <message>
        <source>The sound cannot be converted for the encoder.</source>
        <translation>No se puede convertir el sonido para el codificador.</translation>
    </message>
    <message>
        <source>The picture cannot be scaled to the video&apos;s size.</source>
        <translation>No se puede ajustar la imagen al tamaño del vídeo.</translation>
    </message>
    <message>
        <source>The game history could not be opened at %1: %2.</source>
        <translation>No se ha podido abrir el historial de partidas en %1: %2.</translation>
    </message>
    <message>
        <source>The game history could not be set up at %1: %2.</source>
        <translation>No se ha podido preparar el historial de partidas en %1: %2.</translation>
    </message>
    <message>
        <source>The game history could not take a game: %1.</source>
        <translation>El historial de partidas no ha podido guardar una partida: %1.</translation>
    </message>
    <message>
        <source>The game history could not be changed: %1.</source>
        <translation>No se ha podido cambiar el historial de partidas: %1.</translation>
    </message>
    <message>
        <source>The replay %1 could not be removed: %2.</source>
        <translation>No se ha podido borrar la repetición %1: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no video name: it must end in .webm, .mp4 or .gif.</source>
        <translation>«%1» no es un nombre de vídeo: debe terminar en .webm, .mp4 o .gif.</translation>
    </message>
    <message>
        <source>Cannot write %1: there is no folder %2.</source>
        <translation>No se puede escribir %1: no existe la carpeta %2.</translation>
    </message>
    <message>
        <source>Cannot write %1: it is a folder.</source>
        <translation>No se puede escribir %1: es una carpeta.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>Nothing to export: the game lasts %1 s.</source>
        <translation>Nada que exportar: la partida dura %1 s.</translation>
    </message>
    <message>
        <source>FFmpeg on this machine has no %1 encoder.</source>
        <translation>FFmpeg no tiene el codificador %1 en este equipo.</translation>
    </message>
    <message>
        <source>FFmpeg on this machine cannot write %1 files.</source>
        <translation>FFmpeg no puede escribir archivos %1 en este equipo.</translation>
    </message>
    <message>
        <source>The %1 encoder refused the video: %2</source>
        <translation>El codificador %1 ha rechazado el vídeo: %2</translation>
    </message>
    <message>
        <source>The %1 encoder refused the sound: %2</source>
        <translation>El codificador %1 ha rechazado el sonido: %2</translation>
    </message>
    <message>
        <source>The encoder stopped: %1</source>
        <translation>El codificador se ha detenido: %1</translation>
    </message>
    <message>
        <source>The video file cannot be written: %1</source>
        <translation>No se puede escribir el archivo de vídeo: %1</translation>
    </message>
    <message>
        <source>The server refused the game: a setting is out of its bounds.</source>
        <translation>El servidor rechazó la partida: un ajuste está fuera de sus límites.</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>Local</source>
        <translation>Local</translation>
    </message>
    <message>
        <source>DEMO</source>
        <translation>DEMO</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>En red</translation>
    </message>
    <message>
        <source>Network host</source>
        <translation>En red, anfitrión</translation>
    </message>
    <message>
        <source>Network guest</source>
        <translation>En red, invitado</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Servidor</translation>
    </message>
</context>
<context>
    <name>KeyPairs</name>
    <message>
        <source>Left / Right</source>
        <translation>Izquierda / Derecha</translation>
    </message>
    <message>
        <source>Ins / Del</source>
        <translation>Insert / Supr</translation>
    </message>
    <message>
        <source>Custom keys %1</source>
        <translation>Teclas propias %1</translation>
    </message>
    <message>
        <source>Gamepad %1 (%2)</source>
        <translation>Mando %1 (%2)</translation>
    </message>
    <message>
        <source>not connected</source>
        <translation>no conectado</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
</context>
<context>
    <name>KeyRefusals</name>
    <message>
        <source>This key cannot be read: please choose another key.</source>
        <translation>Esta tecla no se puede leer: elige otra tecla.</translation>
    </message>
    <message>
        <source>The key %1 belongs to the menu commands: please choose another key.</source>
        <translation>La tecla %1 es de los comandos del menú: elige otra tecla.</translation>
    </message>
    <message>
        <source>The key %1 is used by a seated player&apos;s key pair %2: please choose another key.</source>
        <translation>La tecla %1 es del par %2 de un jugador sentado: elige otra tecla.</translation>
    </message>
    <message>
        <source>The key %1 is already used by %2: please choose another key.</source>
        <translation>La tecla %1 ya la usa %2: elige otra tecla.</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>The system&apos;s language</source>
        <translation>Idioma del sistema</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>The game speaks this language from its next start:</source>
        <translation>El juego usará este idioma a partir del próximo inicio:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>NetworkGame</name>
    <message>
        <source>Host network game</source>
        <translation>Crear partida en red</translation>
    </message>
    <message>
        <source>Join network game</source>
        <translation>Unirse a una partida en red</translation>
    </message>
    <message>
        <source>Waiting for %1...</source>
        <translation>Esperando a %1...</translation>
    </message>
    <message>
        <source>The host plays on an arena of %1 pixels; this window has room for %2.</source>
        <translation type="vanished">El anfitrión juega en una arena de %1 píxeles; en esta ventana caben %2.</translation>
    </message>
    <message>
        <source>Joined %1. Waiting for the host to start the game...</source>
        <translation>Conectado a %1. Esperando a que el anfitrión empiece la partida...</translation>
    </message>
    <message>
        <source>Waiting for the host to start the next game...</source>
        <translation>Esperando a que el anfitrión empiece la siguiente partida...</translation>
    </message>
    <message>
        <source>The host plays on an arena of %1 pixels; the game shows arenas of up to %2.</source>
        <translation>El anfitrión juega en una arena de %1 píxeles; el juego muestra arenas de hasta %2.</translation>
    </message>
</context>
<context>
    <name>Panel</name>
    <message>
        <source>Game
points</source>
        <translation>Puntos
partida</translation>
    </message>
    <message>
        <source>Round
points</source>
        <translation>Puntos
ronda</translation>
    </message>
    <message>
        <source>Rounds
won</source>
        <translation>Rondas
ganadas</translation>
    </message>
    <message>
        <source>New game starts!</source>
        <translation>¡Empieza una partida nueva!</translation>
    </message>
    <message>
        <source>Wall</source>
        <translation>Muro</translation>
    </message>
    <message>
        <source>Wall disaster!</source>
        <translation>¡Desastre de muros!</translation>
    </message>
    <message>
        <source>Void...</source>
        <translation>Vacío...</translation>
    </message>
    <message>
        <source>Void disaster!</source>
        <translation>¡Desastre del vacío!</translation>
    </message>
    <message>
        <source>Where is the food?</source>
        <translation>¿Dónde está la comida?</translation>
    </message>
    <message>
        <source>Cruel mouse</source>
        <translation>Ratón cruel</translation>
    </message>
    <message>
        <source>Scrolling...</source>
        <translation>Todo se desplaza...</translation>
    </message>
    <message>
        <source>Attractor</source>
        <translation>Atractor</translation>
    </message>
    <message>
        <source>Attractor disaster!</source>
        <translation>¡Desastre de atractores!</translation>
    </message>
    <message>
        <source>Tunnel</source>
        <translation>Túnel</translation>
    </message>
    <message>
        <source>Tunnel disaster!</source>
        <translation>¡Desastre de túneles!</translation>
    </message>
    <message>
        <source>%1 disappears!</source>
        <translation>¡%1 desaparece!</translation>
    </message>
    <message>
        <source>%1 left the game.</source>
        <translation>%1 ha salido de la partida.</translation>
    </message>
    <message>
        <source>%1, R.I.P.</source>
        <translation>%1, D.E.P.</translation>
    </message>
    <message>
        <source>This round won by %1!</source>
        <translation>¡%1 gana esta ronda!</translation>
    </message>
    <message>
        <source>Waiting for %1...</source>
        <translation>Esperando a %1...</translation>
    </message>
    <message>
        <source>Watching room %1</source>
        <translation>Viendo la sala %1</translation>
    </message>
</context>
<context>
    <name>QShortcut</name>
    <message>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Abajo</translation>
    </message>
    <message>
        <source>Ins</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Supr</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espacio</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Retroceso</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Basic events</source>
        <translation>Eventos básicos</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Eventos</translation>
    </message>
    <message>
        <source>Disasters</source>
        <translation>Desastres</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sonidos</translation>
    </message>
    <message>
        <source>Produce sounds?</source>
        <translation>¿Reproducir sonidos?</translation>
    </message>
    <message>
        <source>Save on exit</source>
        <translation>Guardar al salir</translation>
    </message>
    <message>
        <source>Save settings on exit?</source>
        <translation>¿Guardar los ajustes al salir?</translation>
    </message>
    <message>
        <source>Points in each round</source>
        <translation>Puntos por ronda</translation>
    </message>
    <message>
        <source>How many points to finish a round?</source>
        <translation>¿Cuántos puntos hacen falta para terminar una ronda?</translation>
    </message>
    <message>
        <source>Progress bars</source>
        <translation>Barras de progreso</translation>
    </message>
    <message>
        <source>Show progress bars?</source>
        <translation>¿Mostrar las barras de progreso?</translation>
    </message>
    <message>
        <source>Event names</source>
        <translation>Nombres de eventos</translation>
    </message>
    <message>
        <source>Show event names?</source>
        <translation>¿Mostrar los nombres de los eventos?</translation>
    </message>
    <message>
        <source>Finish speed-up for computers</source>
        <translation>Final rápido para el ordenador</translation>
    </message>
    <message>
        <source>Increase speed when only computer players play?</source>
        <translation>¿Acelerar cuando solo juegan jugadores del ordenador?</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fondo</translation>
    </message>
    <message>
        <source>Restart game to see the change.</source>
        <translation>Reinicia el juego para ver el cambio.</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Negro</translation>
    </message>
    <message>
        <source>Dark blue</source>
        <translation>Azul oscuro</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Stripes</source>
        <translation>Rayas</translation>
    </message>
    <message>
        <source>Color stripes</source>
        <translation>Rayas de colores</translation>
    </message>
    <message>
        <source>Waves</source>
        <translation>Ondas</translation>
    </message>
    <message>
        <source>Mesh</source>
        <translation>Malla</translation>
    </message>
    <message>
        <source>Jeans</source>
        <translation>Vaquero</translation>
    </message>
    <message>
        <source>Green jeans</source>
        <translation>Vaquero verde</translation>
    </message>
    <message>
        <source>Diagonal stripes</source>
        <translation>Rayas diagonales</translation>
    </message>
    <message>
        <source>Pattern 1</source>
        <translation>Patrón 1</translation>
    </message>
    <message>
        <source>Pattern 2</source>
        <translation>Patrón 2</translation>
    </message>
    <message>
        <source>Pattern 3</source>
        <translation>Patrón 3</translation>
    </message>
    <message>
        <source>Rings</source>
        <translation>Anillos</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Cuadrícula</translation>
    </message>
    <message>
        <source>Small tiles</source>
        <translation>Baldosas pequeñas</translation>
    </message>
    <message>
        <source>Large tiles</source>
        <translation>Baldosas grandes</translation>
    </message>
    <message>
        <source>Tunnels</source>
        <translation>Túneles</translation>
    </message>
    <message>
        <source>Make tunnels near players?</source>
        <translation>¿Crear túneles cerca de los jugadores?</translation>
    </message>
    <message>
        <source>Big gaps</source>
        <translation>Huecos grandes</translation>
    </message>
    <message>
        <source>Make extra big gaps?</source>
        <translation>¿Crear huecos extragrandes?</translation>
    </message>
    <message>
        <source>Cruel mouse</source>
        <translation>Ratón cruel</translation>
    </message>
    <message>
        <source>Enable cruel mouse pointer?</source>
        <translation>¿Activar el puntero cruel del ratón?</translation>
    </message>
    <message>
        <source>Walls</source>
        <translation>Muros</translation>
    </message>
    <message>
        <source>Make walls?</source>
        <translation>¿Levantar muros?</translation>
    </message>
    <message>
        <source>Food</source>
        <translation>Comida</translation>
    </message>
    <message>
        <source>Drop food to earn points just like while crossing gaps?</source>
        <translation>¿Soltar comida que da puntos igual que cruzar huecos?</translation>
    </message>
    <message>
        <source>Void</source>
        <translation>Vacío</translation>
    </message>
    <message>
        <source>Make empty areas while playing?</source>
        <translation>¿Crear zonas vacías durante la partida?</translation>
    </message>
    <message>
        <source>Attractors</source>
        <translation>Atractores</translation>
    </message>
    <message>
        <source>Make attractors?</source>
        <translation>¿Crear atractores?</translation>
    </message>
    <message>
        <source>Invisibility</source>
        <translation>Invisibilidad</translation>
    </message>
    <message>
        <source>Enable temporary invisibility?</source>
        <translation>¿Activar la invisibilidad temporal?</translation>
    </message>
    <message>
        <source>Scrolling</source>
        <translation>Desplazamiento</translation>
    </message>
    <message>
        <source>Scroll the arena?</source>
        <translation>¿Desplazar la arena?</translation>
    </message>
    <message>
        <source>Letters</source>
        <translation>Letras</translation>
    </message>
    <message>
        <source>Drop letters? (not yet implemented)</source>
        <translation>¿Soltar letras? (aún no disponible)</translation>
    </message>
    <message>
        <source>Missiles</source>
        <translation>Misiles</translation>
    </message>
    <message>
        <source>Allow launching missiles? (not yet implemented)</source>
        <translation>¿Permitir lanzar misiles? (aún no disponible)</translation>
    </message>
    <message>
        <source>Teleports</source>
        <translation>Teletransportes</translation>
    </message>
    <message>
        <source>Make teleports? (not yet implemented)</source>
        <translation>¿Crear teletransportes? (aún no disponible)</translation>
    </message>
    <message>
        <source>Void disaster</source>
        <translation>Desastre del vacío</translation>
    </message>
    <message>
        <source>Enable empty areas disaster?</source>
        <translation>¿Activar el desastre de zonas vacías?</translation>
    </message>
    <message>
        <source>Tunnels disaster</source>
        <translation>Desastre de túneles</translation>
    </message>
    <message>
        <source>Enable tunnels disaster?</source>
        <translation>¿Activar el desastre de túneles?</translation>
    </message>
    <message>
        <source>Walls disaster</source>
        <translation>Desastre de muros</translation>
    </message>
    <message>
        <source>Enable walls disaster?</source>
        <translation>¿Activar el desastre de muros?</translation>
    </message>
    <message>
        <source>Attractors disaster</source>
        <translation>Desastre de atractores</translation>
    </message>
    <message>
        <source>Enable attractors disaster?</source>
        <translation>¿Activar el desastre de atractores?</translation>
    </message>
    <message>
        <source>(integer %1÷%2)</source>
        <translation>(entero %1÷%2)</translation>
    </message>
</context>
<context>
    <name>TMainWnd</name>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Open replay</source>
        <translation>Abrir repetición</translation>
    </message>
    <message>
        <source>Slyders replays (*%1);;All files (*)</source>
        <translation>Repeticiones de Slyders (*%1);;Todos los archivos (*)</translation>
    </message>
</context>
<context>
    <name>WatchRoom</name>
    <message>
        <source>Watching room %1</source>
        <translation>Viendo la sala %1</translation>
    </message>
</context>
<context>
    <name>slyders::ExportVideoDialog</name>
    <message>
        <source>Export video</source>
        <translation>Exportar vídeo</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>E&amp;xaminar...</translation>
    </message>
    <message>
        <source>WebM (VP9 with Opus sound)</source>
        <translation>WebM (VP9 con sonido Opus)</translation>
    </message>
    <message>
        <source>MP4 (H.264 with AAC sound)</source>
        <translation>MP4 (H.264 con sonido AAC)</translation>
    </message>
    <message>
        <source>GIF (short clips, no sound)</source>
        <translation>GIF (clips cortos, sin sonido)</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>the end</source>
        <translation>el final</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>&amp;Archivo:</translation>
    </message>
    <message>
        <source>F&amp;ormat:</source>
        <translation>&amp;Formato:</translation>
    </message>
    <message>
        <source>F&amp;rom:</source>
        <translation>&amp;Desde:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Hasta:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Tamaño:</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exportar</translation>
    </message>
    <message>
        <source>WebM video (*.webm);;MP4 video (*.mp4);;GIF picture (*.gif)</source>
        <translation>Vídeo WebM (*.webm);;Vídeo MP4 (*.mp4);;Imagen GIF (*.gif)</translation>
    </message>
    <message>
        <source>The size is two numbers such as 1280x720.</source>
        <translation>El tamaño son dos números, por ejemplo 1280x720.</translation>
    </message>
    <message>
        <source>Exporting...</source>
        <translation>Exportando...</translation>
    </message>
    <message>
        <source>Saved: %1 s of video.</source>
        <translation>Guardado: %1 s de vídeo.</translation>
    </message>
    <message>
        <source>Cancelled: no file was made.</source>
        <translation>Cancelado: no se ha creado ningún archivo.</translation>
    </message>
    <message>
        <source>Not exported.</source>
        <translation>No se ha exportado.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>slyders::HistoryWindow</name>
    <message>
        <source>Game history</source>
        <translation>Historial de partidas</translation>
    </message>
    <message>
        <source>&amp;Games</source>
        <translation>&amp;Partidas</translation>
    </message>
    <message>
        <source>&amp;Statistics</source>
        <translation>&amp;Estadísticas</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Players and points</source>
        <translation>Jugadores y puntos</translation>
    </message>
    <message>
        <source>Winner</source>
        <translation>Ganador</translation>
    </message>
    <message>
        <source>Round won by</source>
        <translation>Rondas ganadas por</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Repetición</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Partidas</translation>
    </message>
    <message>
        <source>&amp;Player:</source>
        <translation>&amp;Jugador:</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Tipo:</translation>
    </message>
    <message>
        <source>&amp;Watch</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>K&amp;eep</source>
        <translation>&amp;Conservar</translation>
    </message>
    <message>
        <source>E&amp;xport video...</source>
        <translation>E&amp;xportar vídeo...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>Keep this replay for good: old replays are removed, kept ones stay.</source>
        <translation>Conservar esta repetición para siempre: las repeticiones antiguas se borran, las conservadas se quedan.</translation>
    </message>
    <message>
        <source>All players</source>
        <translation>Todos los jugadores</translation>
    </message>
    <message>
        <source>All kinds</source>
        <translation>Todos los tipos</translation>
    </message>
    <message>
        <source>draw</source>
        <translation>empate</translation>
    </message>
    <message>
        <source>Kept for good</source>
        <translation>Conservada para siempre</translation>
    </message>
    <message>
        <source>Keep this replay</source>
        <translation>Conservar esta repetición</translation>
    </message>
    <message>
        <source>Delete the replay of this game for good?</source>
        <translation>¿Borrar definitivamente la repetición de esta partida?</translation>
    </message>
    <message>
        <source>Delete this replay</source>
        <translation>Borrar esta repetición</translation>
    </message>
    <message>
        <source>Games found: %1.</source>
        <translation>Partidas encontradas: %1.</translation>
    </message>
    <message>
        <source>The game history could not be read (%1); it was made again from the replays in %2.</source>
        <translation>No se pudo leer el historial de partidas (%1); se ha vuelto a crear a partir de las repeticiones de %2.</translation>
    </message>
    <message>
        <source>The game history was not found; it was made again from the replays in %1.</source>
        <translation>No se encontró el historial de partidas; se ha vuelto a crear a partir de las repeticiones de %1.</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>P&amp;layer:</source>
        <translation>J&amp;ugador:</translation>
    </message>
    <message>
        <source>Games played:</source>
        <translation>Partidas jugadas:</translation>
    </message>
    <message>
        <source>Games won:</source>
        <translation>Partidas ganadas:</translation>
    </message>
    <message>
        <source>Rounds played:</source>
        <translation>Rondas jugadas:</translation>
    </message>
    <message>
        <source>Rounds won:</source>
        <translation>Rondas ganadas:</translation>
    </message>
    <message>
        <source>Mean points per game:</source>
        <translation>Media de puntos por partida:</translation>
    </message>
    <message>
        <source>Gaps crossed:</source>
        <translation>Huecos cruzados:</translation>
    </message>
    <message>
        <source>Head to head</source>
        <translation>Cara a cara</translation>
    </message>
    <message>
        <source>Head to head (games with more points than the column&apos;s player, and with fewer):</source>
        <translation>Cara a cara (partidas con más puntos que el jugador de la columna, y con menos):</translation>
    </message>
    <message>
        <source>Rating after each round played</source>
        <translation>Puntuación tras cada ronda jugada</translation>
    </message>
    <message>
        <source>No round finished yet</source>
        <translation>Todavía no ha terminado ninguna ronda</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Puntuación</translation>
    </message>
    <message numerus="yes">
        <source>%n game(s) together</source>
        <translation>
            <numerusform>%n partida juntos</numerusform>
            <numerusform>%n partidas juntos</numerusform>
        </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>slyders::KeysWindow</name>
    <message>
        <source>All players: hold both your keys at once. A key that stays dark while held cannot be read together with the others on this keyboard: choose another key pair for that seat.</source>
        <translation>Todos los jugadores: mantened pulsadas vuestras dos teclas a la vez. Una tecla que sigue apagada no se puede leer junto con las demás en este teclado: elegid otro par de teclas para ese puesto.</translation>
    </message>
    <message>
        <source>left</source>
        <translation>izquierda</translation>
    </message>
    <message>
        <source>right</source>
        <translation>derecha</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <source> Custom keys </source>
        <translation> Teclas propias </translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Elegir...</translation>
    </message>
    <message>
        <source> Key test </source>
        <translation> Prueba de teclas </translation>
    </message>
    <message>
        <source>Press the key for %1 of %2.</source>
        <translation>Pulsa la tecla de %1 de %2.</translation>
    </message>
    <message>
        <source>%1 are now %2.</source>
        <translation>%1 son ahora %2.</translation>
    </message>
    <message>
        <source>Choosing cancelled: %1 stay %2.</source>
        <translation>Elección cancelada: %1 siguen siendo %2.</translation>
    </message>
    <message>
        <source>Gamepad %1 %2</source>
        <translation>Mando %1 %2</translation>
    </message>
    <message>
        <source>Held together: %1</source>
        <translation>Pulsadas a la vez: %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>slyders::TAboutWnd</name>
    <message>
        <source>SLYDERS v2.1
by the Slyders team
Tallowin</source>
        <translation>SLYDERS v2.1
por el equipo de Slyders
Tallowin</translation>
    </message>
    <message>
        <source>Send E-mail to authors</source>
        <translation>Escribir a los autores</translation>
    </message>
    <message>
        <source>Read the Slyders guide: options, replays, network play and how to report a problem</source>
        <translation>Leer la guía de Slyders: opciones, repeticiones, juego en red y cómo informar de un problema</translation>
    </message>
    <message>
        <source>Error opening HTML file</source>
        <translation>Error al abrir el archivo HTML</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation>Correo:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>WWW:</source>
        <translation>Web:</translation>
    </message>
</context>
<context>
    <name>slyders::THelpWnd</name>
    <message>
        <source>Gamepads: the d-pad, the left stick or the shoulder buttons turn left and right.</source>
        <translation>Mandos: la cruceta, el stick izquierdo o los gatillos giran a izquierda y derecha.</translation>
    </message>
    <message>
        <source>Own keys and a key test for all seats: Ctrl+P, then &quot;Keys...&quot;.</source>
        <translation>Teclas propias y una prueba de teclas para todos los puestos: Ctrl+P y luego «Teclas...».</translation>
    </message>
    <message>
        <source>The main goal of Slyders is to score points while avoiding various dangers. You will quickly learn what is dangerous by playing with the computer opponent. Each player controls the slyder with two keys, one for turning left and the other for turning right. Generally, most solid objects should be avoided. To score points, you have to</source>
        <translation>El objetivo de Slyders es sumar puntos esquivando todo tipo de peligros. Jugando contra el ordenador aprenderás enseguida qué es peligroso. Cada jugador dirige su slyder con dos teclas, una para girar a la izquierda y otra para girar a la derecha. En general, conviene esquivar casi todo lo que es sólido. Para sumar puntos tienes que</translation>
    </message>
    <message>
        <source>cross gray gaps</source>
        <translation>cruzar huecos grises</translation>
    </message>
    <message>
        <source> (one point for each gap),</source>
        <translation> (un punto por hueco),</translation>
    </message>
    <message>
        <source>capture food</source>
        <translation>atrapar comida</translation>
    </message>
    <message>
        <source> (one point for each piece of food),</source>
        <translation> (un punto por cada trozo),</translation>
    </message>
    <message>
        <source>eliminate opponents</source>
        <translation>eliminar rivales</translation>
    </message>
    <message>
        <source> (every survivor gets one point).</source>
        <translation> (cada superviviente gana un punto).</translation>
    </message>
    <message>
        <source>Playing with the computer opponents can be very challenging. However, this game is especially exciting when played by two or more human players! You can customize the keyboard control settings in &quot;Set up human players...&quot; (Ctrl+P): each player chooses a key pair or a gamepad there, and &quot;Keys...&quot; sets your own keys and tests them.</source>
        <translation>Jugar contra el ordenador puede ser todo un reto. ¡Pero el juego es aún más emocionante con dos o más jugadores humanos! Los controles se ajustan en «Configurar jugadores humanos...» (Ctrl+P): allí cada jugador elige un par de teclas o un mando, y en «Teclas...» defines tus propias teclas y las pruebas.</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Cómo se juega</translation>
    </message>
    <message>
        <source>Available control keys:</source>
        <translation>Teclas disponibles:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>slyders::TMainWnd</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partida</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nueva</translation>
    </message>
    <message>
        <source>DEMO game</source>
        <translation>Partida DEMO</translation>
    </message>
    <message>
        <source>&amp;Watch last game</source>
        <translation>&amp;Ver la última partida</translation>
    </message>
    <message>
        <source>&amp;Open replay...</source>
        <translation>&amp;Abrir repetición...</translation>
    </message>
    <message>
        <source>&amp;Host network game...</source>
        <translation>&amp;Crear partida en red...</translation>
    </message>
    <message>
        <source>&amp;Join network game...</source>
        <translation>&amp;Unirse a una partida en red...</translation>
    </message>
    <message>
        <source>&amp;Clear current results...</source>
        <translation>&amp;Borrar los resultados actuales...</translation>
    </message>
    <message>
        <source>&amp;Exit	Alt-F4</source>
        <translation>&amp;Salir	Alt-F4</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <translation>&amp;Jugadores</translation>
    </message>
    <message>
        <source>Set up human players...</source>
        <translation>Configurar jugadores humanos...</translation>
    </message>
    <message>
        <source>Display high scores</source>
        <translation>Ver las mejores puntuaciones</translation>
    </message>
    <message>
        <source>&amp;No computer players</source>
        <translation>&amp;Sin jugadores del ordenador</translation>
    </message>
    <message>
        <source>&amp;One computer player</source>
        <translation>&amp;Un jugador del ordenador</translation>
    </message>
    <message>
        <source>&amp;Two computer players</source>
        <translation>&amp;Dos jugadores del ordenador</translation>
    </message>
    <message>
        <source>&amp;Computer</source>
        <translation>&amp;Ordenador</translation>
    </message>
    <message>
        <source>&amp;Poor</source>
        <translation>&amp;Flojo</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Medio</translation>
    </message>
    <message>
        <source>&amp;Good</source>
        <translation>&amp;Bueno</translation>
    </message>
    <message>
        <source>&amp;Expert</source>
        <translation>&amp;Experto</translation>
    </message>
    <message>
        <source>S&amp;peed</source>
        <translation>&amp;Velocidad</translation>
    </message>
    <message>
        <source>&amp;Slow</source>
        <translation>&amp;Lenta</translation>
    </message>
    <message>
        <source>&amp;Fast</source>
        <translation>&amp;Rápida</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Ajustes</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;How to play</source>
        <translation>&amp;Cómo se juega</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>&amp;Language...</source>
        <translation>&amp;Idioma...</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Pantalla completa</translation>
    </message>
    <message>
        <source>Clear current results? (high scores will not be affected)</source>
        <translation>¿Borrar los resultados actuales? (las mejores puntuaciones se conservan)</translation>
    </message>
    <message>
        <source>Finish game?</source>
        <translation>¿Terminar la partida?</translation>
    </message>
    <message>
        <source>Slyders (paused)</source>
        <translation>Slyders (en pausa)</translation>
    </message>
    <message>
        <source>Exit Slyders?</source>
        <translation>¿Salir de Slyders?</translation>
    </message>
    <message>
        <source>E&amp;xport video...</source>
        <translation>E&amp;xportar vídeo...</translation>
    </message>
    <message>
        <source>Game histor&amp;y...</source>
        <translation>&amp;Historial de partidas...</translation>
    </message>
    <message>
        <source>Play on a &amp;server...</source>
        <translation>&amp;Jugar en un servidor...</translation>
    </message>
    <message>
        <source>Slyders (replay)</source>
        <translation>Slyders (repetición)</translation>
    </message>
    <message>
        <source>Slyders (replay, paused)</source>
        <translation>Slyders (repetición, en pausa)</translation>
    </message>
    <message>
        <source>Slyders (network game)</source>
        <translation>Slyders (partida en red)</translation>
    </message>
</context>
<context>
    <name>slyders::TParamWnd</name>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>A&amp;plicar</translation>
    </message>
    <message>
        <source>Bounds warning</source>
        <translation>Valor fuera de límites</translation>
    </message>
    <message>
        <source>Groups of settings</source>
        <translation>Grupos de ajustes</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>%1 value (in &apos;%2&apos;) too small (adjusted to %3)</source>
        <translation>Valor de «%1» (en «%2») demasiado pequeño (ajustado a %3)</translation>
    </message>
    <message>
        <source>%1 value (in &apos;%2&apos;) too big (adjusted to %3)</source>
        <translation>Valor de «%1» (en «%2») demasiado grande (ajustado a %3)</translation>
    </message>
</context>
<context>
    <name>slyders::TPlayersMgr</name>
    <message>
        <source>One player</source>
        <translation>Un jugador</translation>
    </message>
    <message>
        <source>Two players</source>
        <translation>Dos jugadores</translation>
    </message>
    <message>
        <source>Three players</source>
        <translation>Tres jugadores</translation>
    </message>
    <message>
        <source>Four players</source>
        <translation>Cuatro jugadores</translation>
    </message>
    <message>
        <source>Not a valid player name: must be unique and have at least two characters.</source>
        <translation>Nombre de jugador no válido: debe ser único y tener al menos dos caracteres.</translation>
    </message>
    <message>
        <source>The list of players is full: delete a player before adding a new one.</source>
        <translation>La lista de jugadores está llena: borra uno antes de añadir otro.</translation>
    </message>
    <message>
        <source>Please select as many human players as you have chosen to play.</source>
        <translation>Elige tantos jugadores humanos como los que van a jugar.</translation>
    </message>
    <message>
        <source>Some player is selected twice - please correct.</source>
        <translation>Hay un jugador elegido dos veces; corrígelo, por favor.</translation>
    </message>
    <message>
        <source>Some players use the same control keys - please correct.</source>
        <translation>Hay jugadores con las mismas teclas; corrígelo, por favor.</translation>
    </message>
    <message>
        <source>%1    (rating = %2)</source>
        <translation>%1    (puntuación = %2)</translation>
    </message>
    <message>
        <source>Set up human players</source>
        <translation>Configurar jugadores humanos</translation>
    </message>
    <message>
        <source>Keys...</source>
        <translation>Teclas...</translation>
    </message>
    <message>
        <source>Choose custom keys and test the keys of every seat</source>
        <translation>Elegir teclas propias y probar las de cada puesto</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source> Currently playing </source>
        <translation> Juegan ahora </translation>
    </message>
    <message>
        <source>Player name</source>
        <translation>Nombre del jugador</translation>
    </message>
    <message>
        <source>Used control keys</source>
        <translation>Teclas usadas</translation>
    </message>
    <message>
        <source>&amp;Colours:</source>
        <translation>&amp;Colores:</translation>
    </message>
    <message>
        <source>Standard colours</source>
        <translation>Colores normales</translation>
    </message>
    <message>
        <source>Colour-blind safe</source>
        <translation>Aptos para daltónicos</translation>
    </message>
    <message>
        <source> Available players </source>
        <translation> Jugadores disponibles </translation>
    </message>
    <message>
        <source>New player name:</source>
        <translation>Nombre del nuevo jugador:</translation>
    </message>
    <message>
        <source>Enter the new player name here</source>
        <translation>Escribe aquí el nombre del nuevo jugador</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Click here to add a new player</source>
        <translation>Pulsa aquí para añadir un nuevo jugador</translation>
    </message>
    <message>
        <source>Delete selected player</source>
        <translation>Borrar el jugador elegido</translation>
    </message>
    <message>
        <source>Select the player on the list above</source>
        <translation>Elige el jugador en la lista de arriba</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Jugador %1</translation>
    </message>
    <message>
        <source>Delete permanently player &apos;%1&apos; ?</source>
        <translation>¿Borrar definitivamente al jugador «%1»?</translation>
    </message>
    <message>
        <source>Available players</source>
        <translation>Jugadores disponibles</translation>
    </message>
</context>
<context>
    <name>slyders::net::JoinDialog</name>
    <message>
        <source>Join network game</source>
        <translation>Unirse a una partida en red</translation>
    </message>
    <message>
        <source>name or IP, optionally :port (%1)</source>
        <translation>nombre o IP, opcionalmente :puerto (%1)</translation>
    </message>
    <message>
        <source>Host address:</source>
        <translation>Dirección del anfitrión:</translation>
    </message>
    <message>
        <source>Player:</source>
        <translation>Jugador:</translation>
    </message>
    <message>
        <source>a name not in the list yet</source>
        <translation>un nombre que aún no esté en la lista</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>New player:</source>
        <translation>Nuevo jugador:</translation>
    </message>
    <message>
        <source>if the host set one</source>
        <translation>si el anfitrión puso una</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Contraseña:</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>Unirse</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Machine</source>
        <translation>Equipo</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Jugadores</translation>
    </message>
    <message>
        <source>Free seats</source>
        <translation>Puestos libres</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Looking for games on the local network...</source>
        <translation>Buscando partidas en la red local...</translation>
    </message>
    <message>
        <source>needed</source>
        <translation>necesaria</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>No game on the local network at the moment.</source>
        <translation>Ahora mismo no hay ninguna partida en la red local.</translation>
    </message>
    <message>
        <source>Games on the local network (double-click one to join):</source>
        <translation>Partidas en la red local (haz doble clic en una para unirte):</translation>
    </message>
</context>
<context>
    <name>slyders::net::NetLobby</name>
    <message>
        <source>Host network game</source>
        <translation>Crear partida en red</translation>
    </message>
    <message>
        <source>Machine</source>
        <translation>Equipo</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Jugadores</translation>
    </message>
    <message>
        <source>Ping</source>
        <translation>Ping</translation>
    </message>
    <message>
        <source>none: anybody may join</source>
        <translation>ninguna: cualquiera puede unirse</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Contraseña:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Puerto:</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Empezar</translation>
    </message>
    <message>
        <source>Give your friends this address and port:
%1
port %2</source>
        <translation>Da a tus amigos esta dirección y este puerto:
%1
puerto %2</translation>
    </message>
    <message>
        <source>  or  </source>
        <translation>  o  </translation>
    </message>
    <message>
        <source>Port %1 is busy: the game is at port %2.</source>
        <translation>El puerto %1 está ocupado: la partida está en el puerto %2.</translation>
    </message>
    <message>
        <source>this machine</source>
        <translation>este equipo</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>1 seat is free.</source>
        <translation>Queda 1 puesto libre.</translation>
    </message>
    <message>
        <source>%1 seats are free.</source>
        <translation>Quedan %1 puestos libres.</translation>
    </message>
    <message>
        <source>Input delay: 1 tick (%1 ms)</source>
        <translation>Retardo de entrada: 1 tic (%1 ms)</translation>
    </message>
    <message>
        <source>Input delay: %1 ticks (%2 ms)</source>
        <translation>Retardo de entrada: %1 tics (%2 ms)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Asking your router to open port %1 to the internet...</source>
        <translation>Pidiendo a tu router que abra el puerto %1 a internet...</translation>
    </message>
    <message>
        <source>Friends on the internet join %1 (your router opened it by %2).</source>
        <translation>Tus amigos en internet se unen a %1 (tu router lo abrió con %2).</translation>
    </message>
    <message>
        <source>Your router did not open port %1 to the internet: friends outside your home network can join only once the port is forwarded to this machine in the router&apos;s settings. Or all of you play through a Slyders server.</source>
        <translation>Tu router no ha abierto el puerto %1 a internet: tus amigos de fuera de tu red doméstica solo podrán unirse cuando el puerto se redirija a este equipo en los ajustes del router. O jugad todos a través de un servidor de Slyders.</translation>
    </message>
    <message>
        <source>Machines in the game</source>
        <translation>Equipos de la partida</translation>
    </message>
</context>
<context>
    <name>slyders::net::WaitWindow</name>
    <message>
        <source>Network game</source>
        <translation>Partida en red</translation>
    </message>
    <message>
        <source>Leave</source>
        <translation>Salir</translation>
    </message>
</context>
<context>
    <name>slyders::server::RoomLobby</name>
    <message>
        <source>Room on the server</source>
        <translation>Sala en el servidor</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Empezar</translation>
    </message>
    <message>
        <source>Leave</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Give your friends this code:</source>
        <translation>Da a tus amigos este código:</translation>
    </message>
    <message>
        <source>Players:</source>
        <translation>Jugadores:</translation>
    </message>
    <message>
        <source>The server&apos;s best players:</source>
        <translation>Los mejores jugadores del servidor:</translation>
    </message>
    <message numerus="yes">
        <source>%n watching</source>
        <translation>
            <numerusform>%n espectador</numerusform>
            <numerusform>%n espectadores</numerusform>
        </translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Jugadores</translation>
    </message>
    <message>
        <source>The server&apos;s best players</source>
        <translation>Los mejores jugadores del servidor</translation>
    </message>
</context>
<context>
    <name>slyders::server::ServerDialog</name>
    <message>
        <source>Play on a server</source>
        <translation>Jugar en un servidor</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Dirección del servidor</translation>
    </message>
    <message>
        <source>Room code</source>
        <translation>Código de sala</translation>
    </message>
    <message>
        <source>Server address:</source>
        <translation>Dirección del servidor:</translation>
    </message>
    <message>
        <source>Room code:</source>
        <translation>Código de sala:</translation>
    </message>
    <message>
        <source>Create room</source>
        <translation>Crear sala</translation>
    </message>
    <message>
        <source>Join room</source>
        <translation>Unirse a la sala</translation>
    </message>
    <message>
        <source>Watch room</source>
        <translation>Ver la sala</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
</TS>
