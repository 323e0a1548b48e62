<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>GameMessages</name>
    <message>
        <source>Draw. No winner yet!</source>
        <translation>Empate. Ainda não há vencedor!</translation>
    </message>
    <message>
        <source>This DEMO game ends with a draw.</source>
        <translation>Este jogo DEMO termina empatado.</translation>
    </message>
    <message>
        <source>Start DEMO game? (current results will be lost)</source>
        <translation>Começar um jogo DEMO? (os resultados atuais serão perdidos)</translation>
    </message>
    <message>
        <source>Keep this replay?</source>
        <translation>Manter este replay?</translation>
    </message>
    <message>
        <source>Stop watching?</source>
        <translation>Parar de assistir?</translation>
    </message>
    <message>
        <source>The recorded game was left here, before its end.</source>
        <translation>O jogo gravado foi deixado aqui, antes do fim.</translation>
    </message>
    <message>
        <source>Open replay</source>
        <translation>Abrir replay</translation>
    </message>
    <message>
        <source>Keep this replay</source>
        <translation>Manter este replay</translation>
    </message>
    <message>
        <source>Replay not saved</source>
        <translation>Replay não salvo</translation>
    </message>
    <message>
        <source>Play on a server</source>
        <translation>Jogar em um servidor</translation>
    </message>
    <message>
        <source>Seat a player first (Players &gt; Set up human players...).</source>
        <translation>Primeiro coloque um jogador em um lugar (Jogadores &gt; Configurar jogadores humanos...).</translation>
    </message>
    <message>
        <source>The machines disagree about the game; it was stopped.</source>
        <translation>As máquinas discordam sobre o jogo; ele foi interrompido.</translation>
    </message>
    <message>
        <source>The host dropped this machine because it stopped answering.</source>
        <translation>O anfitrião desconectou esta máquina porque ela parou de responder.</translation>
    </message>
    <message>
        <source>This machine&apos;s game was not the server&apos;s; it was taken out of the game.</source>
        <translation>O jogo desta máquina não era o do servidor; ela foi tirada do jogo.</translation>
    </message>
    <message>
        <source>The server is shutting down.</source>
        <translation>O servidor está sendo desligado.</translation>
    </message>
    <message>
        <source>The host has closed the game.</source>
        <translation>O anfitrião encerrou o jogo.</translation>
    </message>
    <message>
        <source>the computer player</source>
        <translation>o jogador do computador</translation>
    </message>
    <message>
        <source>Round finished!
%1

Click for the next round:</source>
        <translation>Rodada terminada!
%1

Clique para a próxima rodada:</translation>
    </message>
    <message>
        <source>Round finished!
%1</source>
        <translation>Rodada terminada!
%1</translation>
    </message>
    <message>
        <source>%1 points reached.

The winner is %2 !
%3&apos;s rating is now %4.</source>
        <translation>%1 pontos alcançados.

O vencedor é %2!
A pontuação de %3 agora é %4.</translation>
    </message>
    <message>
        <source>This DEMO game has been won by %1.</source>
        <translation>Este jogo DEMO foi vencido por %1.</translation>
    </message>
    <message>
        <source>This replay did not play as it was recorded, from tick %1 on.</source>
        <translation>A partir do tique %1, este replay não rodou como foi gravado.</translation>
    </message>
    <message>
        <source>%1
The game itself is not affected.</source>
        <translation>%1
O jogo em si não é afetado.</translation>
    </message>
    <message>
        <source>Gamepad %1 is not connected.</source>
        <translation>O controle %1 está desconectado.</translation>
    </message>
    <message>
        <source>the computer player #%1</source>
        <translation>o jogador do computador nº %1</translation>
    </message>
    <message>
        <source>This game was made by a different version of Slyders.</source>
        <translation>Este jogo foi feito por outra versão do Slyders.</translation>
    </message>
    <message>
        <source>The host stopped answering.</source>
        <translation>O anfitrião parou de responder.</translation>
    </message>
    <message>
        <source>The game is full: no seat is free.</source>
        <translation>O jogo está cheio: nenhum lugar está livre.</translation>
    </message>
    <message>
        <source>The game is full: only 1 seat is free.</source>
        <translation>O jogo está cheio: só 1 lugar está livre.</translation>
    </message>
    <message>
        <source>Wrong password.</source>
        <translation>Senha errada.</translation>
    </message>
    <message>
        <source>This game needs a password.</source>
        <translation>Este jogo precisa de uma senha.</translation>
    </message>
    <message>
        <source>The game has already started.</source>
        <translation>O jogo já começou.</translation>
    </message>
    <message>
        <source>Too many bad packets.</source>
        <translation>Pacotes inválidos demais.</translation>
    </message>
    <message>
        <source>No room has this code.</source>
        <translation>Nenhuma sala tem este código.</translation>
    </message>
    <message>
        <source>Too many wrong codes: try again in a few minutes.</source>
        <translation>Códigos errados demais: tente de novo daqui a alguns minutos.</translation>
    </message>
    <message>
        <source>The server holds all the rooms it may: try again later.</source>
        <translation>O servidor já tem todas as salas que pode: tente de novo mais tarde.</translation>
    </message>
    <message>
        <source>A player&apos;s name belongs to another machine on this server.</source>
        <translation>O nome de um jogador pertence a outra máquina neste servidor.</translation>
    </message>
    <message>
        <source>The room has as many spectators as it may.</source>
        <translation>A sala já tem todos os espectadores que pode.</translation>
    </message>
    <message>
        <source>The room is full: no seat is free.</source>
        <translation>A sala está cheia: nenhum lugar está livre.</translation>
    </message>
    <message>
        <source>Refused.</source>
        <translation>Recusado.</translation>
    </message>
    <message>
        <source>The game is full: only %1 seats are free.</source>
        <translation>O jogo está cheio: só %1 lugares estão livres.</translation>
    </message>
    <message>
        <source>Could not reach %1.</source>
        <translation>Não foi possível alcançar %1.</translation>
    </message>
    <message>
        <source>No room has the code %1.</source>
        <translation>Nenhuma sala tem o código %1.</translation>
    </message>
    <message>
        <source>The host at %1 did not answer.</source>
        <translation>O anfitrião em %1 não respondeu.</translation>
    </message>
    <message>
        <source>This machine draws the arena&apos;s texts differently from the host&apos;s (its fonts or font library differ)</source>
        <translation>Esta máquina desenha os textos da arena de um jeito diferente da do anfitrião (as fontes ou a biblioteca de fontes são outras)</translation>
    </message>
    <message>
        <source>This machine&apos;s maths library computes the game&apos;s angles differently from the host&apos;s</source>
        <translation>A biblioteca matemática desta máquina calcula os ângulos do jogo de um jeito diferente da do anfitrião</translation>
    </message>
    <message>
        <source>This machine reads the game&apos;s settings differently</source>
        <translation>Esta máquina lê as configurações do jogo de outro jeito</translation>
    </message>
    <message>
        <source>This machine plays under other rules than the host&apos;s</source>
        <translation>Esta máquina joga com regras diferentes das do anfitrião</translation>
    </message>
    <message>
        <source>The network could not be started.</source>
        <translation>Não foi possível iniciar a rede.</translation>
    </message>
    <message>
        <source>The host address is empty.</source>
        <translation>O endereço do anfitrião está vazio.</translation>
    </message>
    <message>
        <source>The port cannot change once a guest has joined.</source>
        <translation>A porta não pode mais mudar depois que um convidado entrou.</translation>
    </message>
    <message>
        <source>This file is not a Slyders replay.</source>
        <translation>Este arquivo não é um replay do Slyders.</translation>
    </message>
    <message>
        <source>This replay was made by a newer Slyders.</source>
        <translation>Este replay foi feito por uma versão mais nova do Slyders.</translation>
    </message>
    <message>
        <source>its format version is 0</source>
        <translation>a versão do formato dele é 0</translation>
    </message>
    <message>
        <source>it is cut short</source>
        <translation>ele está cortado</translation>
    </message>
    <message>
        <source>it was cut short or changed since it was written</source>
        <translation>ele foi cortado ou alterado depois de gravado</translation>
    </message>
    <message>
        <source>it does not hold the 23 settings</source>
        <translation>ele não tem as 23 configurações</translation>
    </message>
    <message>
        <source>there are bytes after its end</source>
        <translation>há bytes depois do fim dele</translation>
    </message>
    <message>
        <source>the game has no players</source>
        <translation>o jogo não tem jogadores</translation>
    </message>
    <message>
        <source>an event of an unknown kind</source>
        <translation>ele tem um evento de tipo desconhecido</translation>
    </message>
    <message>
        <source>its checks do not cover the game</source>
        <translation>as verificações dele não cobrem o jogo</translation>
    </message>
    <message>
        <source>more slyders died than played</source>
        <translation>morreram mais slyders do que jogaram</translation>
    </message>
    <message>
        <source>the order of deaths names no slot</source>
        <translation>a ordem das mortes não indica nenhum lugar</translation>
    </message>
    <message>
        <source>the DEMO flag</source>
        <translation>indicador de DEMO</translation>
    </message>
    <message>
        <source>the number of computer players</source>
        <translation>número de jogadores do computador</translation>
    </message>
    <message>
        <source>the number of human players</source>
        <translation>número de jogadores humanos</translation>
    </message>
    <message>
        <source>the skill</source>
        <translation>nível</translation>
    </message>
    <message>
        <source>the speed</source>
        <translation>velocidade</translation>
    </message>
    <message>
        <source>the seed</source>
        <translation>semente do sorteio</translation>
    </message>
    <message>
        <source>a key pair</source>
        <translation>par de teclas</translation>
    </message>
    <message>
        <source>a seat&apos;s player</source>
        <translation>jogador de um lugar</translation>
    </message>
    <message>
        <source>the round points</source>
        <translation>pontos por rodada</translation>
    </message>
    <message>
        <source>the rounds won</source>
        <translation>rodadas ganhas</translation>
    </message>
    <message>
        <source>the arena side</source>
        <translation>lado da arena</translation>
    </message>
    <message>
        <source>an event&apos;s tick</source>
        <translation>tique de um evento</translation>
    </message>
    <message>
        <source>an event</source>
        <translation>evento</translation>
    </message>
    <message>
        <source>the held keys</source>
        <translation>teclas apertadas</translation>
    </message>
    <message>
        <source>a speed change</source>
        <translation>mudança de velocidade</translation>
    </message>
    <message>
        <source>a setting&apos;s number</source>
        <translation>número de uma configuração</translation>
    </message>
    <message>
        <source>a setting&apos;s value</source>
        <translation>valor de uma configuração</translation>
    </message>
    <message>
        <source>the seats that left</source>
        <translation>lugares que saíram</translation>
    </message>
    <message>
        <source>the checksum</source>
        <translation>soma de verificação</translation>
    </message>
    <message>
        <source>the program version</source>
        <translation>versão do programa</translation>
    </message>
    <message>
        <source>the date</source>
        <translation>data</translation>
    </message>
    <message>
        <source>the network flag</source>
        <translation>indicador de rede</translation>
    </message>
    <message>
        <source>the settings</source>
        <translation>configurações</translation>
    </message>
    <message>
        <source>the names</source>
        <translation>nomes</translation>
    </message>
    <message>
        <source>the ratings</source>
        <translation>pontuações</translation>
    </message>
    <message>
        <source>the end</source>
        <translation>fim</translation>
    </message>
    <message>
        <source>the last tick</source>
        <translation>último tique</translation>
    </message>
    <message>
        <source>the events</source>
        <translation>eventos</translation>
    </message>
    <message>
        <source>the checks</source>
        <translation>verificações</translation>
    </message>
    <message>
        <source>the final points</source>
        <translation>pontos finais</translation>
    </message>
    <message>
        <source>the order of deaths</source>
        <translation>ordem das mortes</translation>
    </message>
    <message>
        <source>the result</source>
        <translation>resultado</translation>
    </message>
    <message>
        <source>%1. Install the same Slyders package, with its fonts, on both machines.</source>
        <translation>%1. Instale o mesmo pacote do Slyders, com as fontes dele, nas duas máquinas.</translation>
    </message>
    <message>
        <source>Unknown address %1.</source>
        <translation>Endereço desconhecido: %1.</translation>
    </message>
    <message>
        <source>Port %1 is in use or cannot be opened.</source>
        <translation>A porta %1 está em uso ou não pode ser aberta.</translation>
    </message>
    <message>
        <source>Port %1 and the %2 after it are in use or cannot be opened.</source>
        <translation>A porta %1 e as %2 seguintes estão em uso ou não podem ser abertas.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an address.</source>
        <translation>&quot;%1&quot; não é um endereço.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a port (1 to 65535).</source>
        <translation>&quot;%1&quot; não é uma porta (de 1 a 65535).</translation>
    </message>
    <message>
        <source>no socket to look for games: %1</source>
        <translation>nenhum socket para procurar jogos: %1</translation>
    </message>
    <message>
        <source>The replay could not be written to %1.</source>
        <translation>Não foi possível gravar o replay em %1.</translation>
    </message>
    <message>
        <source>The replay could not be kept: %1.</source>
        <translation>Não foi possível manter o replay: %1.</translation>
    </message>
    <message>
        <source>The replay %1 could not be read.</source>
        <translation>Não foi possível ler o replay %1.</translation>
    </message>
    <message>
        <source>This replay is damaged: %1.</source>
        <translation>Este replay está danificado: %1.</translation>
    </message>
    <message>
        <source>there is a value out of range in %1</source>
        <translation>há um valor fora do intervalo (%1)</translation>
    </message>
    <message>
        <source>it ends inside %1</source>
        <translation>ele termina no meio de um campo (%1)</translation>
    </message>
    <message>
        <source>its arena side of %1 pixels is larger than any screen gives (at most %2)</source>
        <translation>a arena dele, de %1 pixels de lado, é maior que qualquer tela (no máximo %2)</translation>
    </message>
    <message>
        <source>its arena side of %1 pixels is smaller than any window gives (at least %2)</source>
        <translation>a arena dele, de %1 pixels de lado, é menor que qualquer janela (no mínimo %2)</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Between two reasons, each of which starts like a sentence of its own.</extracomment>
        <translation>. </translation>
    </message>
    <message>
        <source>not open</source>
        <translation>não está aberto</translation>
    </message>
    <message>
        <source>it failed its check</source>
        <translation>ele não passou na verificação</translation>
    </message>
    <message>
        <source>it was written by another version of Slyders</source>
        <translation>ele foi gravado por outra versão do Slyders</translation>
    </message>
    <message>
        <source>its tables are not the game&apos;s</source>
        <translation>as tabelas dele não são as do jogo</translation>
    </message>
    <message>
        <source>The video&apos;s size must be even numbers from 160x120 to 7680x4320.</source>
        <translation>O tamanho do vídeo deve ser de números pares, de 160x120 a 7680x4320.</translation>
    </message>
    <message>
        <source>The video must be at least 5:4 wide, for the scoreboard beside the arena.</source>
        <translation>O vídeo precisa ter pelo menos o formato 5:4, para o placar caber ao lado da arena.</translation>
    </message>
    <message>
        <source>The part to export must start at 0 s or later and end after it starts.</source>
        <translation>O trecho a exportar precisa começar em 0 s ou depois e terminar depois de começar.</translation>
    </message>
    <message>
        <source>A GIF holds at most 30 s: choose a shorter part, or WebM or MP4.</source>
        <translation>Um GIF tem no máximo 30 s: escolha um trecho mais curto, ou WebM ou MP4.</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>Memória insuficiente.</translation>
    </message>
    <message>
        <source>The sound cannot be converted for the encoder.</source>
        <translation>Não é possível converter o som para o codificador.</translation>
    </message>
    <message>
        <source>The picture cannot be scaled to the video&apos;s size.</source>
        <translation>Não é possível ajustar a imagem ao tamanho do vídeo.</translation>
    </message>
    <message>
        <source>The game history could not be opened at %1: %2.</source>
        <translation>Não foi possível abrir o histórico de jogos em %1: %2.</translation>
    </message>
    <message>
        <source>The game history could not be set up at %1: %2.</source>
        <translation>Não foi possível preparar o histórico de jogos em %1: %2.</translation>
    </message>
    <message>
        <source>The game history could not take a game: %1.</source>
        <translation>Não foi possível registrar um jogo no histórico de jogos: %1.</translation>
    </message>
    <message>
        <source>The game history could not be changed: %1.</source>
        <translation>Não foi possível alterar o histórico de jogos: %1.</translation>
    </message>
    <message>
        <source>The replay %1 could not be removed: %2.</source>
        <translation>Não foi possível apagar o replay %1: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no video name: it must end in .webm, .mp4 or .gif.</source>
        <translation>&quot;%1&quot; não é um nome de vídeo: ele precisa terminar em .webm, .mp4 ou .gif.</translation>
    </message>
    <message>
        <source>Cannot write %1: there is no folder %2.</source>
        <translation>Não é possível gravar %1: a pasta %2 não existe.</translation>
    </message>
    <message>
        <source>Cannot write %1: it is a folder.</source>
        <translation>Não é possível gravar %1: é uma pasta.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Não é possível gravar %1: %2</translation>
    </message>
    <message>
        <source>Nothing to export: the game lasts %1 s.</source>
        <translation>Nada para exportar: o jogo dura %1 s.</translation>
    </message>
    <message>
        <source>FFmpeg on this machine has no %1 encoder.</source>
        <translation>O FFmpeg desta máquina não tem o codificador %1.</translation>
    </message>
    <message>
        <source>FFmpeg on this machine cannot write %1 files.</source>
        <translation>O FFmpeg desta máquina não consegue gravar arquivos %1.</translation>
    </message>
    <message>
        <source>The %1 encoder refused the video: %2</source>
        <translation>O codificador %1 recusou o vídeo: %2</translation>
    </message>
    <message>
        <source>The %1 encoder refused the sound: %2</source>
        <translation>O codificador %1 recusou o som: %2</translation>
    </message>
    <message>
        <source>The encoder stopped: %1</source>
        <translation>O codificador parou: %1</translation>
    </message>
    <message>
        <source>The video file cannot be written: %1</source>
        <translation>Não é possível gravar o arquivo de vídeo: %1</translation>
    </message>
    <message>
        <source>The server refused the game: a setting is out of its bounds.</source>
        <translation>O servidor recusou a partida: uma configuração está fora dos limites.</translation>
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
        <translation>Em rede</translation>
    </message>
    <message>
        <source>Network host</source>
        <translation>Em rede, anfitrião</translation>
    </message>
    <message>
        <source>Network guest</source>
        <translation>Em rede, convidado</translation>
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
        <translation>Esquerda / Direita</translation>
    </message>
    <message>
        <source>Ins / Del</source>
        <translation>Ins / Del</translation>
    </message>
    <message>
        <source>Custom keys %1</source>
        <translation>Teclas próprias %1</translation>
    </message>
    <message>
        <source>Gamepad %1 (%2)</source>
        <translation>Controle %1 (%2)</translation>
    </message>
    <message>
        <source>not connected</source>
        <translation>desconectado</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nenhuma</translation>
    </message>
</context>
<context>
    <name>KeyRefusals</name>
    <message>
        <source>This key cannot be read: please choose another key.</source>
        <translation>Não dá para ler esta tecla: escolha outra tecla.</translation>
    </message>
    <message>
        <source>The key %1 belongs to the menu commands: please choose another key.</source>
        <translation>A tecla %1 é dos comandos do menu: escolha outra tecla.</translation>
    </message>
    <message>
        <source>The key %1 is used by a seated player&apos;s key pair %2: please choose another key.</source>
        <translation>A tecla %1 é do par %2 de um jogador sentado: escolha outra tecla.</translation>
    </message>
    <message>
        <source>The key %1 is already used by %2: please choose another key.</source>
        <translation>A tecla %1 já é usada por %2: escolha outra tecla.</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>The system&apos;s language</source>
        <translation>Idioma do sistema</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>The game speaks this language from its next start:</source>
        <translation>O jogo fala este idioma a partir da próxima vez que abrir:</translation>
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
        <translation>&amp;Sim</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Não</translation>
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
        <translation>Criar jogo em rede</translation>
    </message>
    <message>
        <source>Join network game</source>
        <translation>Entrar em jogo em rede</translation>
    </message>
    <message>
        <source>Waiting for %1...</source>
        <translation>Esperando %1...</translation>
    </message>
    <message>
        <source>The host plays on an arena of %1 pixels; this window has room for %2.</source>
        <translation type="vanished">O anfitrião joga numa arena de %1 pixels; nesta janela cabem %2.</translation>
    </message>
    <message>
        <source>Joined %1. Waiting for the host to start the game...</source>
        <translation>Conectado a %1. Esperando o anfitrião começar o jogo...</translation>
    </message>
    <message>
        <source>Waiting for the host to start the next game...</source>
        <translation>Esperando o anfitrião começar o próximo jogo...</translation>
    </message>
    <message>
        <source>The host plays on an arena of %1 pixels; the game shows arenas of up to %2.</source>
        <translation>O anfitrião joga numa arena de %1 pixels; o jogo mostra arenas de até %2.</translation>
    </message>
</context>
<context>
    <name>Panel</name>
    <message>
        <source>Game
points</source>
        <translation>Pontos
jogo</translation>
    </message>
    <message>
        <source>Round
points</source>
        <translation>Pontos
rodada</translation>
    </message>
    <message>
        <source>Rounds
won</source>
        <translation>Rodadas
ganhas</translation>
    </message>
    <message>
        <source>New game starts!</source>
        <translation>Começa um jogo novo!</translation>
    </message>
    <message>
        <source>Wall</source>
        <translation>Muro</translation>
    </message>
    <message>
        <source>Wall disaster!</source>
        <translation>Desastre de muros!</translation>
    </message>
    <message>
        <source>Void...</source>
        <translation>Vazio...</translation>
    </message>
    <message>
        <source>Void disaster!</source>
        <translation>Desastre do vazio!</translation>
    </message>
    <message>
        <source>Where is the food?</source>
        <translation>Cadê a comida?</translation>
    </message>
    <message>
        <source>Cruel mouse</source>
        <translation>Mouse cruel</translation>
    </message>
    <message>
        <source>Scrolling...</source>
        <translation>Tudo rolando...</translation>
    </message>
    <message>
        <source>Attractor</source>
        <translation>Atrator</translation>
    </message>
    <message>
        <source>Attractor disaster!</source>
        <translation>Desastre de atratores!</translation>
    </message>
    <message>
        <source>Tunnel</source>
        <translation>Túnel</translation>
    </message>
    <message>
        <source>Tunnel disaster!</source>
        <translation>Desastre de túneis!</translation>
    </message>
    <message>
        <source>%1 disappears!</source>
        <translation>%1 sumiu!</translation>
    </message>
    <message>
        <source>%1 left the game.</source>
        <translation>%1 saiu do jogo.</translation>
    </message>
    <message>
        <source>%1, R.I.P.</source>
        <translation>%1, R.I.P.</translation>
    </message>
    <message>
        <source>This round won by %1!</source>
        <translation>%1 venceu esta rodada!</translation>
    </message>
    <message>
        <source>Waiting for %1...</source>
        <translation>Esperando %1...</translation>
    </message>
    <message>
        <source>Watching room %1</source>
        <translation>Assistindo à sala %1</translation>
    </message>
</context>
<context>
    <name>QShortcut</name>
    <message>
        <source>Left</source>
        <translation>Esquerda</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Direita</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Cima</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Baixo</translation>
    </message>
    <message>
        <source>Ins</source>
        <translation>Ins</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Del</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espaço</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Backspace</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>General</source>
        <translation>Geral</translation>
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
        <translation>Sons</translation>
    </message>
    <message>
        <source>Produce sounds?</source>
        <translation>Tocar sons?</translation>
    </message>
    <message>
        <source>Save on exit</source>
        <translation>Salvar ao sair</translation>
    </message>
    <message>
        <source>Save settings on exit?</source>
        <translation>Salvar as configurações ao sair?</translation>
    </message>
    <message>
        <source>Points in each round</source>
        <translation>Pontos por rodada</translation>
    </message>
    <message>
        <source>How many points to finish a round?</source>
        <translation>Quantos pontos para terminar uma rodada?</translation>
    </message>
    <message>
        <source>Progress bars</source>
        <translation>Barras de progresso</translation>
    </message>
    <message>
        <source>Show progress bars?</source>
        <translation>Mostrar as barras de progresso?</translation>
    </message>
    <message>
        <source>Event names</source>
        <translation>Nomes dos eventos</translation>
    </message>
    <message>
        <source>Show event names?</source>
        <translation>Mostrar os nomes dos eventos?</translation>
    </message>
    <message>
        <source>Finish speed-up for computers</source>
        <translation>Final acelerado para o computador</translation>
    </message>
    <message>
        <source>Increase speed when only computer players play?</source>
        <translation>Acelerar quando só jogadores do computador estiverem jogando?</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fundo</translation>
    </message>
    <message>
        <source>Restart game to see the change.</source>
        <translation>Reinicie o jogo para ver a mudança.</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Preto</translation>
    </message>
    <message>
        <source>Dark blue</source>
        <translation>Azul-escuro</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Stripes</source>
        <translation>Listras</translation>
    </message>
    <message>
        <source>Color stripes</source>
        <translation>Listras coloridas</translation>
    </message>
    <message>
        <source>Waves</source>
        <translation>Ondas</translation>
    </message>
    <message>
        <source>Mesh</source>
        <translation>Malha</translation>
    </message>
    <message>
        <source>Jeans</source>
        <translation>Jeans</translation>
    </message>
    <message>
        <source>Green jeans</source>
        <translation>Jeans verde</translation>
    </message>
    <message>
        <source>Diagonal stripes</source>
        <translation>Listras diagonais</translation>
    </message>
    <message>
        <source>Pattern 1</source>
        <translation>Padrão 1</translation>
    </message>
    <message>
        <source>Pattern 2</source>
        <translation>Padrão 2</translation>
    </message>
    <message>
        <source>Pattern 3</source>
        <translation>Padrão 3</translation>
    </message>
    <message>
        <source>Rings</source>
        <translation>Anéis</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Grade</translation>
    </message>
    <message>
        <source>Small tiles</source>
        <translation>Ladrilhos pequenos</translation>
    </message>
    <message>
        <source>Large tiles</source>
        <translation>Ladrilhos grandes</translation>
    </message>
    <message>
        <source>Tunnels</source>
        <translation>Túneis</translation>
    </message>
    <message>
        <source>Make tunnels near players?</source>
        <translation>Criar túneis perto dos jogadores?</translation>
    </message>
    <message>
        <source>Big gaps</source>
        <translation>Brechas grandes</translation>
    </message>
    <message>
        <source>Make extra big gaps?</source>
        <translation>Criar brechas extragrandes?</translation>
    </message>
    <message>
        <source>Cruel mouse</source>
        <translation>Mouse cruel</translation>
    </message>
    <message>
        <source>Enable cruel mouse pointer?</source>
        <translation>Ativar o ponteiro cruel do mouse?</translation>
    </message>
    <message>
        <source>Walls</source>
        <translation>Muros</translation>
    </message>
    <message>
        <source>Make walls?</source>
        <translation>Erguer muros?</translation>
    </message>
    <message>
        <source>Food</source>
        <translation>Comida</translation>
    </message>
    <message>
        <source>Drop food to earn points just like while crossing gaps?</source>
        <translation>Espalhar comida que vale pontos, como atravessar brechas?</translation>
    </message>
    <message>
        <source>Void</source>
        <translation>Vazio</translation>
    </message>
    <message>
        <source>Make empty areas while playing?</source>
        <translation>Criar áreas vazias durante o jogo?</translation>
    </message>
    <message>
        <source>Attractors</source>
        <translation>Atratores</translation>
    </message>
    <message>
        <source>Make attractors?</source>
        <translation>Criar atratores?</translation>
    </message>
    <message>
        <source>Invisibility</source>
        <translation>Invisibilidade</translation>
    </message>
    <message>
        <source>Enable temporary invisibility?</source>
        <translation>Ativar a invisibilidade temporária?</translation>
    </message>
    <message>
        <source>Scrolling</source>
        <translation>Rolagem</translation>
    </message>
    <message>
        <source>Scroll the arena?</source>
        <translation>Rolar a arena?</translation>
    </message>
    <message>
        <source>Letters</source>
        <translation>Letras</translation>
    </message>
    <message>
        <source>Drop letters? (not yet implemented)</source>
        <translation>Espalhar letras? (ainda não disponível)</translation>
    </message>
    <message>
        <source>Missiles</source>
        <translation>Mísseis</translation>
    </message>
    <message>
        <source>Allow launching missiles? (not yet implemented)</source>
        <translation>Permitir lançar mísseis? (ainda não disponível)</translation>
    </message>
    <message>
        <source>Teleports</source>
        <translation>Teletransportes</translation>
    </message>
    <message>
        <source>Make teleports? (not yet implemented)</source>
        <translation>Criar teletransportes? (ainda não disponível)</translation>
    </message>
    <message>
        <source>Void disaster</source>
        <translation>Desastre do vazio</translation>
    </message>
    <message>
        <source>Enable empty areas disaster?</source>
        <translation>Ativar o desastre das áreas vazias?</translation>
    </message>
    <message>
        <source>Tunnels disaster</source>
        <translation>Desastre de túneis</translation>
    </message>
    <message>
        <source>Enable tunnels disaster?</source>
        <translation>Ativar o desastre de túneis?</translation>
    </message>
    <message>
        <source>Walls disaster</source>
        <translation>Desastre de muros</translation>
    </message>
    <message>
        <source>Enable walls disaster?</source>
        <translation>Ativar o desastre de muros?</translation>
    </message>
    <message>
        <source>Attractors disaster</source>
        <translation>Desastre de atratores</translation>
    </message>
    <message>
        <source>Enable attractors disaster?</source>
        <translation>Ativar o desastre de atratores?</translation>
    </message>
    <message>
        <source>(integer %1÷%2)</source>
        <translation>(inteiro %1÷%2)</translation>
    </message>
</context>
<context>
    <name>TMainWnd</name>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Open replay</source>
        <translation>Abrir replay</translation>
    </message>
    <message>
        <source>Slyders replays (*%1);;All files (*)</source>
        <translation>Replays do Slyders (*%1);;Todos os arquivos (*)</translation>
    </message>
</context>
<context>
    <name>WatchRoom</name>
    <message>
        <source>Watching room %1</source>
        <translation>Assistindo à sala %1</translation>
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
        <translation>&amp;Procurar...</translation>
    </message>
    <message>
        <source>WebM (VP9 with Opus sound)</source>
        <translation>WebM (VP9 com som Opus)</translation>
    </message>
    <message>
        <source>MP4 (H.264 with AAC sound)</source>
        <translation>MP4 (H.264 com som AAC)</translation>
    </message>
    <message>
        <source>GIF (short clips, no sound)</source>
        <translation>GIF (clipes curtos, sem som)</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>the end</source>
        <translation>o fim</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>&amp;Arquivo:</translation>
    </message>
    <message>
        <source>F&amp;ormat:</source>
        <translation>&amp;Formato:</translation>
    </message>
    <message>
        <source>F&amp;rom:</source>
        <translation>&amp;De:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>A&amp;té:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>Ta&amp;manho:</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exportar</translation>
    </message>
    <message>
        <source>WebM video (*.webm);;MP4 video (*.mp4);;GIF picture (*.gif)</source>
        <translation>Vídeo WebM (*.webm);;Vídeo MP4 (*.mp4);;Imagem GIF (*.gif)</translation>
    </message>
    <message>
        <source>The size is two numbers such as 1280x720.</source>
        <translation>O tamanho são dois números, por exemplo 1280x720.</translation>
    </message>
    <message>
        <source>Exporting...</source>
        <translation>Exportando...</translation>
    </message>
    <message>
        <source>Saved: %1 s of video.</source>
        <translation>Salvo: %1 s de vídeo.</translation>
    </message>
    <message>
        <source>Cancelled: no file was made.</source>
        <translation>Cancelado: nenhum arquivo foi criado.</translation>
    </message>
    <message>
        <source>Not exported.</source>
        <translation>Não exportado.</translation>
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
        <translation>Histórico de jogos</translation>
    </message>
    <message>
        <source>&amp;Games</source>
        <translation>&amp;Jogos</translation>
    </message>
    <message>
        <source>&amp;Statistics</source>
        <translation>&amp;Estatísticas</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Players and points</source>
        <translation>Jogadores e pontos</translation>
    </message>
    <message>
        <source>Winner</source>
        <translation>Vencedor</translation>
    </message>
    <message>
        <source>Round won by</source>
        <translation>Rodadas ganhas por</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Duração</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Replay</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Jogos</translation>
    </message>
    <message>
        <source>&amp;Player:</source>
        <translation>Jo&amp;gador:</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Tipo:</translation>
    </message>
    <message>
        <source>&amp;Watch</source>
        <translation>&amp;Assistir</translation>
    </message>
    <message>
        <source>K&amp;eep</source>
        <translation>&amp;Manter</translation>
    </message>
    <message>
        <source>E&amp;xport video...</source>
        <translation>E&amp;xportar vídeo...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>A&amp;pagar</translation>
    </message>
    <message>
        <source>Keep this replay for good: old replays are removed, kept ones stay.</source>
        <translation>Manter este replay de vez: os replays antigos são apagados, os mantidos ficam.</translation>
    </message>
    <message>
        <source>All players</source>
        <translation>Todos os jogadores</translation>
    </message>
    <message>
        <source>All kinds</source>
        <translation>Todos os tipos</translation>
    </message>
    <message>
        <source>draw</source>
        <translation>empate</translation>
    </message>
    <message>
        <source>Kept for good</source>
        <translation>Mantido de vez</translation>
    </message>
    <message>
        <source>Keep this replay</source>
        <translation>Manter este replay</translation>
    </message>
    <message>
        <source>Delete the replay of this game for good?</source>
        <translation>Apagar de vez o replay deste jogo?</translation>
    </message>
    <message>
        <source>Delete this replay</source>
        <translation>Apagar este replay</translation>
    </message>
    <message>
        <source>Games found: %1.</source>
        <translation>Jogos encontrados: %1.</translation>
    </message>
    <message>
        <source>The game history could not be read (%1); it was made again from the replays in %2.</source>
        <translation>Não deu para ler o histórico de jogos (%1); ele foi refeito a partir dos replays em %2.</translation>
    </message>
    <message>
        <source>The game history was not found; it was made again from the replays in %1.</source>
        <translation>O histórico de jogos não foi encontrado; ele foi refeito a partir dos replays em %1.</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jogador</translation>
    </message>
    <message>
        <source>P&amp;layer:</source>
        <translation>Jogado&amp;r:</translation>
    </message>
    <message>
        <source>Games played:</source>
        <translation>Jogos disputados:</translation>
    </message>
    <message>
        <source>Games won:</source>
        <translation>Jogos ganhos:</translation>
    </message>
    <message>
        <source>Rounds played:</source>
        <translation>Rodadas disputadas:</translation>
    </message>
    <message>
        <source>Rounds won:</source>
        <translation>Rodadas ganhas:</translation>
    </message>
    <message>
        <source>Mean points per game:</source>
        <translation>Média de pontos por jogo:</translation>
    </message>
    <message>
        <source>Gaps crossed:</source>
        <translation>Brechas atravessadas:</translation>
    </message>
    <message>
        <source>Head to head</source>
        <translation>Confronto direto</translation>
    </message>
    <message>
        <source>Head to head (games with more points than the column&apos;s player, and with fewer):</source>
        <translation>Confronto direto (jogos com mais pontos que o jogador da coluna, e com menos):</translation>
    </message>
    <message>
        <source>Rating after each round played</source>
        <translation>Pontuação depois de cada rodada disputada</translation>
    </message>
    <message>
        <source>No round finished yet</source>
        <translation>Nenhuma rodada terminada ainda</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Pontuação</translation>
    </message>
    <message numerus="yes">
        <source>%n game(s) together</source>
        <translation>
            <numerusform>%n jogo juntos</numerusform>
            <numerusform>%n jogos juntos</numerusform>
        </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>slyders::KeysWindow</name>
    <message>
        <source>All players: hold both your keys at once. A key that stays dark while held cannot be read together with the others on this keyboard: choose another key pair for that seat.</source>
        <translation>Todos os jogadores: segurem as duas teclas ao mesmo tempo. Uma tecla que continua apagada não pode ser lida junto com as outras neste teclado: escolham outro par de teclas para esse lugar.</translation>
    </message>
    <message>
        <source>left</source>
        <translation>esquerda</translation>
    </message>
    <message>
        <source>right</source>
        <translation>direita</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <source> Custom keys </source>
        <translation> Teclas próprias </translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Escolher...</translation>
    </message>
    <message>
        <source> Key test </source>
        <translation> Teste de teclas </translation>
    </message>
    <message>
        <source>Press the key for %1 of %2.</source>
        <translation>Aperte a tecla para %1 de %2.</translation>
    </message>
    <message>
        <source>%1 are now %2.</source>
        <translation>%1 agora são %2.</translation>
    </message>
    <message>
        <source>Choosing cancelled: %1 stay %2.</source>
        <translation>Escolha cancelada: %1 continuam %2.</translation>
    </message>
    <message>
        <source>Gamepad %1 %2</source>
        <translation>Controle %1 %2</translation>
    </message>
    <message>
        <source>Held together: %1</source>
        <translation>Seguradas juntas: %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nenhuma</translation>
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
pela equipe do Slyders
Tallowin</translation>
    </message>
    <message>
        <source>Send E-mail to authors</source>
        <translation>Escrever para os autores</translation>
    </message>
    <message>
        <source>Read the Slyders guide: options, replays, network play and how to report a problem</source>
        <translation>Leia o guia do Slyders: opções, replays, jogo em rede e como relatar um problema</translation>
    </message>
    <message>
        <source>Error opening HTML file</source>
        <translation>Erro ao abrir o arquivo HTML</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation>E-mail:</translation>
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
        <translation>Controles: o direcional, o analógico esquerdo ou os botões de ombro viram para a esquerda e para a direita.</translation>
    </message>
    <message>
        <source>Own keys and a key test for all seats: Ctrl+P, then &quot;Keys...&quot;.</source>
        <translation>Teclas próprias e um teste de teclas para todos os lugares: Ctrl+P e depois &quot;Teclas...&quot;.</translation>
    </message>
    <message>
        <source>The main goal of Slyders is to score points while avoiding various dangers. You will quickly learn what is dangerous by playing with the computer opponent. Each player controls the slyder with two keys, one for turning left and the other for turning right. Generally, most solid objects should be avoided. To score points, you have to</source>
        <translation>O objetivo do Slyders é marcar pontos desviando de vários perigos. Jogando contra o computador, você logo aprende o que é perigoso. Cada jogador controla seu slyder com duas teclas, uma para virar à esquerda e outra para virar à direita. Em geral, é melhor evitar quase tudo o que é sólido. Para marcar pontos, você precisa</translation>
    </message>
    <message>
        <source>cross gray gaps</source>
        <translation>atravessar as brechas cinzentas</translation>
    </message>
    <message>
        <source> (one point for each gap),</source>
        <translation> (um ponto por brecha),</translation>
    </message>
    <message>
        <source>capture food</source>
        <translation>pegar comida</translation>
    </message>
    <message>
        <source> (one point for each piece of food),</source>
        <translation> (um ponto por pedaço),</translation>
    </message>
    <message>
        <source>eliminate opponents</source>
        <translation>eliminar adversários</translation>
    </message>
    <message>
        <source> (every survivor gets one point).</source>
        <translation> (cada sobrevivente ganha um ponto).</translation>
    </message>
    <message>
        <source>Playing with the computer opponents can be very challenging. However, this game is especially exciting when played by two or more human players! You can customize the keyboard control settings in &quot;Set up human players...&quot; (Ctrl+P): each player chooses a key pair or a gamepad there, and &quot;Keys...&quot; sets your own keys and tests them.</source>
        <translation>Jogar contra o computador pode ser um belo desafio. Mas o jogo fica ainda mais emocionante com dois ou mais jogadores humanos! Ajuste os controles em &quot;Configurar jogadores humanos...&quot; (Ctrl+P): ali cada jogador escolhe um par de teclas ou um controle, e em &quot;Teclas...&quot; você define suas próprias teclas e as testa.</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Como jogar</translation>
    </message>
    <message>
        <source>Available control keys:</source>
        <translation>Teclas disponíveis:</translation>
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
        <translation>&amp;Jogo</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Novo</translation>
    </message>
    <message>
        <source>DEMO game</source>
        <translation>Jogo DEMO</translation>
    </message>
    <message>
        <source>&amp;Watch last game</source>
        <translation>&amp;Assistir ao último jogo</translation>
    </message>
    <message>
        <source>&amp;Open replay...</source>
        <translation>A&amp;brir replay...</translation>
    </message>
    <message>
        <source>&amp;Host network game...</source>
        <translation>&amp;Criar jogo em rede...</translation>
    </message>
    <message>
        <source>&amp;Join network game...</source>
        <translation>&amp;Entrar em jogo em rede...</translation>
    </message>
    <message>
        <source>&amp;Clear current results...</source>
        <translation>&amp;Limpar resultados atuais...</translation>
    </message>
    <message>
        <source>&amp;Exit	Alt-F4</source>
        <translation>Sa&amp;ir	Alt-F4</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <translation>&amp;Jogadores</translation>
    </message>
    <message>
        <source>Set up human players...</source>
        <translation>Configurar jogadores humanos...</translation>
    </message>
    <message>
        <source>Display high scores</source>
        <translation>Mostrar recordes</translation>
    </message>
    <message>
        <source>&amp;No computer players</source>
        <translation>&amp;Nenhum jogador do computador</translation>
    </message>
    <message>
        <source>&amp;One computer player</source>
        <translation>&amp;Um jogador do computador</translation>
    </message>
    <message>
        <source>&amp;Two computer players</source>
        <translation>&amp;Dois jogadores do computador</translation>
    </message>
    <message>
        <source>&amp;Computer</source>
        <translation>&amp;Computador</translation>
    </message>
    <message>
        <source>&amp;Poor</source>
        <translation>&amp;Fraco</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Médio</translation>
    </message>
    <message>
        <source>&amp;Good</source>
        <translation>&amp;Bom</translation>
    </message>
    <message>
        <source>&amp;Expert</source>
        <translation>&amp;Especialista</translation>
    </message>
    <message>
        <source>S&amp;peed</source>
        <translation>&amp;Velocidade</translation>
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
        <translation>&amp;Configurações</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>&amp;How to play</source>
        <translation>&amp;Como jogar</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Sobre</translation>
    </message>
    <message>
        <source>&amp;Language...</source>
        <translation>&amp;Idioma...</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Tela cheia</translation>
    </message>
    <message>
        <source>Clear current results? (high scores will not be affected)</source>
        <translation>Limpar os resultados atuais? (os recordes não serão afetados)</translation>
    </message>
    <message>
        <source>Finish game?</source>
        <translation>Terminar o jogo?</translation>
    </message>
    <message>
        <source>Slyders (paused)</source>
        <translation>Slyders (pausado)</translation>
    </message>
    <message>
        <source>Exit Slyders?</source>
        <translation>Sair do Slyders?</translation>
    </message>
    <message>
        <source>E&amp;xport video...</source>
        <translation>E&amp;xportar vídeo...</translation>
    </message>
    <message>
        <source>Game histor&amp;y...</source>
        <translation>&amp;Histórico de jogos...</translation>
    </message>
    <message>
        <source>Play on a &amp;server...</source>
        <translation>Jogar em um &amp;servidor...</translation>
    </message>
    <message>
        <source>Slyders (replay)</source>
        <translation>Slyders (replay)</translation>
    </message>
    <message>
        <source>Slyders (replay, paused)</source>
        <translation>Slyders (replay, em pausa)</translation>
    </message>
    <message>
        <source>Slyders (network game)</source>
        <translation>Slyders (jogo em rede)</translation>
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
        <translation>Valor fora dos limites</translation>
    </message>
    <message>
        <source>Groups of settings</source>
        <translation>Grupos de configurações</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>%1 value (in &apos;%2&apos;) too small (adjusted to %3)</source>
        <translation>Valor de &quot;%1&quot; (em &quot;%2&quot;) pequeno demais (ajustado para %3)</translation>
    </message>
    <message>
        <source>%1 value (in &apos;%2&apos;) too big (adjusted to %3)</source>
        <translation>Valor de &quot;%1&quot; (em &quot;%2&quot;) grande demais (ajustado para %3)</translation>
    </message>
</context>
<context>
    <name>slyders::TPlayersMgr</name>
    <message>
        <source>One player</source>
        <translation>Um jogador</translation>
    </message>
    <message>
        <source>Two players</source>
        <translation>Dois jogadores</translation>
    </message>
    <message>
        <source>Three players</source>
        <translation>Três jogadores</translation>
    </message>
    <message>
        <source>Four players</source>
        <translation>Quatro jogadores</translation>
    </message>
    <message>
        <source>Not a valid player name: must be unique and have at least two characters.</source>
        <translation>Nome de jogador inválido: precisa ser único e ter pelo menos dois caracteres.</translation>
    </message>
    <message>
        <source>The list of players is full: delete a player before adding a new one.</source>
        <translation>A lista de jogadores está cheia: apague um jogador antes de adicionar outro.</translation>
    </message>
    <message>
        <source>Please select as many human players as you have chosen to play.</source>
        <translation>Escolha tantos jogadores humanos quantos vão jogar.</translation>
    </message>
    <message>
        <source>Some player is selected twice - please correct.</source>
        <translation>Um jogador foi escolhido duas vezes – corrija, por favor.</translation>
    </message>
    <message>
        <source>Some players use the same control keys - please correct.</source>
        <translation>Alguns jogadores usam as mesmas teclas – corrija, por favor.</translation>
    </message>
    <message>
        <source>%1    (rating = %2)</source>
        <translation>%1    (pontuação = %2)</translation>
    </message>
    <message>
        <source>Set up human players</source>
        <translation>Configurar jogadores humanos</translation>
    </message>
    <message>
        <source>Keys...</source>
        <translation>Teclas...</translation>
    </message>
    <message>
        <source>Choose custom keys and test the keys of every seat</source>
        <translation>Escolher teclas próprias e testar as de cada lugar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source> Currently playing </source>
        <translation> Jogando agora </translation>
    </message>
    <message>
        <source>Player name</source>
        <translation>Nome do jogador</translation>
    </message>
    <message>
        <source>Used control keys</source>
        <translation>Teclas usadas</translation>
    </message>
    <message>
        <source>&amp;Colours:</source>
        <translation>&amp;Cores:</translation>
    </message>
    <message>
        <source>Standard colours</source>
        <translation>Cores normais</translation>
    </message>
    <message>
        <source>Colour-blind safe</source>
        <translation>Para daltônicos</translation>
    </message>
    <message>
        <source> Available players </source>
        <translation> Jogadores disponíveis </translation>
    </message>
    <message>
        <source>New player name:</source>
        <translation>Nome do novo jogador:</translation>
    </message>
    <message>
        <source>Enter the new player name here</source>
        <translation>Digite aqui o nome do novo jogador</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Click here to add a new player</source>
        <translation>Clique aqui para adicionar um novo jogador</translation>
    </message>
    <message>
        <source>Delete selected player</source>
        <translation>Apagar o jogador escolhido</translation>
    </message>
    <message>
        <source>Select the player on the list above</source>
        <translation>Escolha o jogador na lista acima</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Jogador %1</translation>
    </message>
    <message>
        <source>Delete permanently player &apos;%1&apos; ?</source>
        <translation>Apagar de vez o jogador &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Available players</source>
        <translation>Jogadores disponíveis</translation>
    </message>
</context>
<context>
    <name>slyders::net::JoinDialog</name>
    <message>
        <source>Join network game</source>
        <translation>Entrar em jogo em rede</translation>
    </message>
    <message>
        <source>name or IP, optionally :port (%1)</source>
        <translation>nome ou IP, opcionalmente :porta (%1)</translation>
    </message>
    <message>
        <source>Host address:</source>
        <translation>Endereço do anfitrião:</translation>
    </message>
    <message>
        <source>Player:</source>
        <translation>Jogador:</translation>
    </message>
    <message>
        <source>a name not in the list yet</source>
        <translation>um nome que ainda não está na lista</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>New player:</source>
        <translation>Novo jogador:</translation>
    </message>
    <message>
        <source>if the host set one</source>
        <translation>se o anfitrião definiu uma</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Senha:</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>Entrar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Machine</source>
        <translation>Máquina</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Jogadores</translation>
    </message>
    <message>
        <source>Free seats</source>
        <translation>Lugares livres</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Senha</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Endereço</translation>
    </message>
    <message>
        <source>Looking for games on the local network...</source>
        <translation>Procurando jogos na rede local...</translation>
    </message>
    <message>
        <source>needed</source>
        <translation>necessária</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nenhuma</translation>
    </message>
    <message>
        <source>No game on the local network at the moment.</source>
        <translation>Nenhum jogo na rede local no momento.</translation>
    </message>
    <message>
        <source>Games on the local network (double-click one to join):</source>
        <translation>Jogos na rede local (clique duas vezes em um para entrar):</translation>
    </message>
</context>
<context>
    <name>slyders::net::NetLobby</name>
    <message>
        <source>Host network game</source>
        <translation>Criar jogo em rede</translation>
    </message>
    <message>
        <source>Machine</source>
        <translation>Máquina</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Jogadores</translation>
    </message>
    <message>
        <source>Ping</source>
        <translation>Ping</translation>
    </message>
    <message>
        <source>none: anybody may join</source>
        <translation>nenhuma: qualquer um pode entrar</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Senha:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Porta:</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Começar</translation>
    </message>
    <message>
        <source>Give your friends this address and port:
%1
port %2</source>
        <translation>Passe para seus amigos este endereço e esta porta:
%1
porta %2</translation>
    </message>
    <message>
        <source>  or  </source>
        <translation>  ou  </translation>
    </message>
    <message>
        <source>Port %1 is busy: the game is at port %2.</source>
        <translation>A porta %1 está ocupada: o jogo está na porta %2.</translation>
    </message>
    <message>
        <source>this machine</source>
        <translation>esta máquina</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>1 seat is free.</source>
        <translation>1 lugar está livre.</translation>
    </message>
    <message>
        <source>%1 seats are free.</source>
        <translation>%1 lugares estão livres.</translation>
    </message>
    <message>
        <source>Input delay: 1 tick (%1 ms)</source>
        <translation>Atraso de entrada: 1 tique (%1 ms)</translation>
    </message>
    <message>
        <source>Input delay: %1 ticks (%2 ms)</source>
        <translation>Atraso de entrada: %1 tiques (%2 ms)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Asking your router to open port %1 to the internet...</source>
        <translation>Pedindo ao seu roteador para abrir a porta %1 para a internet...</translation>
    </message>
    <message>
        <source>Friends on the internet join %1 (your router opened it by %2).</source>
        <translation>Amigos na internet entram em %1 (seu roteador abriu via %2).</translation>
    </message>
    <message>
        <source>Your router did not open port %1 to the internet: friends outside your home network can join only once the port is forwarded to this machine in the router&apos;s settings. Or all of you play through a Slyders server.</source>
        <translation>Seu roteador não abriu a porta %1 para a internet: amigos fora da sua rede doméstica só conseguem entrar depois que a porta for redirecionada para esta máquina nas configurações do roteador. Ou então joguem todos por um servidor do Slyders.</translation>
    </message>
    <message>
        <source>Machines in the game</source>
        <translation>Máquinas no jogo</translation>
    </message>
</context>
<context>
    <name>slyders::net::WaitWindow</name>
    <message>
        <source>Network game</source>
        <translation>Jogo em rede</translation>
    </message>
    <message>
        <source>Leave</source>
        <translation>Sair</translation>
    </message>
</context>
<context>
    <name>slyders::server::RoomLobby</name>
    <message>
        <source>Room on the server</source>
        <translation>Sala no servidor</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Começar</translation>
    </message>
    <message>
        <source>Leave</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Give your friends this code:</source>
        <translation>Passe este código para seus amigos:</translation>
    </message>
    <message>
        <source>Players:</source>
        <translation>Jogadores:</translation>
    </message>
    <message>
        <source>The server&apos;s best players:</source>
        <translation>Os melhores jogadores do servidor:</translation>
    </message>
    <message numerus="yes">
        <source>%n watching</source>
        <translation>
            <numerusform>%n assistindo</numerusform>
            <numerusform>%n assistindo</numerusform>
        </translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Jogadores</translation>
    </message>
    <message>
        <source>The server&apos;s best players</source>
        <translation>Os melhores jogadores do servidor</translation>
    </message>
</context>
<context>
    <name>slyders::server::ServerDialog</name>
    <message>
        <source>Play on a server</source>
        <translation>Jogar em um servidor</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Endereço do servidor</translation>
    </message>
    <message>
        <source>Room code</source>
        <translation>Código da sala</translation>
    </message>
    <message>
        <source>Server address:</source>
        <translation>Endereço do servidor:</translation>
    </message>
    <message>
        <source>Room code:</source>
        <translation>Código da sala:</translation>
    </message>
    <message>
        <source>Create room</source>
        <translation>Criar sala</translation>
    </message>
    <message>
        <source>Join room</source>
        <translation>Entrar na sala</translation>
    </message>
    <message>
        <source>Watch room</source>
        <translation>Assistir à sala</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
</TS>
