<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>GameMessages</name>
    <message>
        <source>Draw. No winner yet!</source>
        <translation>Égalité. Pas encore de gagnant !</translation>
    </message>
    <message>
        <source>This DEMO game ends with a draw.</source>
        <translation>Cette partie DÉMO se termine par une égalité.</translation>
    </message>
    <message>
        <source>Start DEMO game? (current results will be lost)</source>
        <translation>Lancer une partie DÉMO ? (les résultats actuels seront perdus)</translation>
    </message>
    <message>
        <source>Keep this replay?</source>
        <translation>Garder cette rediffusion ?</translation>
    </message>
    <message>
        <source>Stop watching?</source>
        <translation>Arrêter de regarder ?</translation>
    </message>
    <message>
        <source>The recorded game was left here, before its end.</source>
        <translation>La partie enregistrée a été quittée ici, avant sa fin.</translation>
    </message>
    <message>
        <source>Open replay</source>
        <translation>Ouvrir une rediffusion</translation>
    </message>
    <message>
        <source>Keep this replay</source>
        <translation>Garder cette rediffusion</translation>
    </message>
    <message>
        <source>Replay not saved</source>
        <translation>Rediffusion non enregistrée</translation>
    </message>
    <message>
        <source>Play on a server</source>
        <translation>Jouer sur un serveur</translation>
    </message>
    <message>
        <source>Seat a player first (Players &gt; Set up human players...).</source>
        <translation>Placez d’abord un joueur à une place (Joueurs &gt; Configurer les joueurs humains…).</translation>
    </message>
    <message>
        <source>The machines disagree about the game; it was stopped.</source>
        <translation>Les machines ne sont pas d’accord sur la partie ; elle a été arrêtée.</translation>
    </message>
    <message>
        <source>The host dropped this machine because it stopped answering.</source>
        <translation>L’hôte a retiré cette machine parce qu’elle ne répondait plus.</translation>
    </message>
    <message>
        <source>This machine&apos;s game was not the server&apos;s; it was taken out of the game.</source>
        <translation>La partie de cette machine n’était pas celle du serveur ; elle a été retirée de la partie.</translation>
    </message>
    <message>
        <source>The server is shutting down.</source>
        <translation>Le serveur s’arrête.</translation>
    </message>
    <message>
        <source>The host has closed the game.</source>
        <translation>L’hôte a fermé la partie.</translation>
    </message>
    <message>
        <source>the computer player</source>
        <translation>le joueur ordinateur</translation>
    </message>
    <message>
        <source>Round finished!
%1

Click for the next round:</source>
        <translation>Manche terminée !
%1

Cliquez pour la manche suivante :</translation>
    </message>
    <message>
        <source>Round finished!
%1</source>
        <translation>Manche terminée !
%1</translation>
    </message>
    <message>
        <source>%1 points reached.

The winner is %2 !
%3&apos;s rating is now %4.</source>
        <translation>%1 points atteints.

Le gagnant est %2 !
Le classement de %3 est maintenant de %4.</translation>
    </message>
    <message>
        <source>This DEMO game has been won by %1.</source>
        <translation>Cette partie DÉMO a été remportée par %1.</translation>
    </message>
    <message>
        <source>This replay did not play as it was recorded, from tick %1 on.</source>
        <translation>À partir du tour %1, cette rediffusion ne s’est plus déroulée comme elle avait été enregistrée.</translation>
    </message>
    <message>
        <source>%1
The game itself is not affected.</source>
        <translation>%1
La partie elle-même n’est pas touchée.</translation>
    </message>
    <message>
        <source>Gamepad %1 is not connected.</source>
        <translation>La manette %1 n’est pas branchée.</translation>
    </message>
    <message>
        <source>the computer player #%1</source>
        <translation>le joueur ordinateur n° %1</translation>
    </message>
    <message>
        <source>This game was made by a different version of Slyders.</source>
        <translation>Cette partie a été créée par une autre version de Slyders.</translation>
    </message>
    <message>
        <source>The host stopped answering.</source>
        <translation>L’hôte ne répond plus.</translation>
    </message>
    <message>
        <source>The game is full: no seat is free.</source>
        <translation>La partie est pleine : aucune place n’est libre.</translation>
    </message>
    <message>
        <source>The game is full: only 1 seat is free.</source>
        <translation>La partie est pleine : il ne reste qu’une place libre.</translation>
    </message>
    <message>
        <source>Wrong password.</source>
        <translation>Mot de passe incorrect.</translation>
    </message>
    <message>
        <source>This game needs a password.</source>
        <translation>Cette partie demande un mot de passe.</translation>
    </message>
    <message>
        <source>The game has already started.</source>
        <translation>La partie a déjà commencé.</translation>
    </message>
    <message>
        <source>Too many bad packets.</source>
        <translation>Trop de paquets invalides.</translation>
    </message>
    <message>
        <source>No room has this code.</source>
        <translation>Aucun salon n’a ce code.</translation>
    </message>
    <message>
        <source>Too many wrong codes: try again in a few minutes.</source>
        <translation>Trop de codes erronés : réessayez dans quelques minutes.</translation>
    </message>
    <message>
        <source>The server holds all the rooms it may: try again later.</source>
        <translation>Le serveur accueille déjà tous les salons qu’il peut : réessayez plus tard.</translation>
    </message>
    <message>
        <source>A player&apos;s name belongs to another machine on this server.</source>
        <translation>Le nom d’un joueur appartient à une autre machine sur ce serveur.</translation>
    </message>
    <message>
        <source>The room has as many spectators as it may.</source>
        <translation>Le salon a déjà autant de spectateurs qu’il peut en accueillir.</translation>
    </message>
    <message>
        <source>The room is full: no seat is free.</source>
        <translation>Le salon est plein : aucune place n’est libre.</translation>
    </message>
    <message>
        <source>Refused.</source>
        <translation>Refusé.</translation>
    </message>
    <message>
        <source>The game is full: only %1 seats are free.</source>
        <translation>La partie est pleine : il ne reste que %1 places libres.</translation>
    </message>
    <message>
        <source>Could not reach %1.</source>
        <translation>Impossible de joindre %1.</translation>
    </message>
    <message>
        <source>No room has the code %1.</source>
        <translation>Aucun salon n’a le code %1.</translation>
    </message>
    <message>
        <source>The host at %1 did not answer.</source>
        <translation>L’hôte à l’adresse %1 n’a pas répondu.</translation>
    </message>
    <message>
        <source>This machine draws the arena&apos;s texts differently from the host&apos;s (its fonts or font library differ)</source>
        <translation>Cette machine dessine les textes de l’arène autrement que celle de l’hôte (ses polices ou sa bibliothèque de polices diffèrent)</translation>
    </message>
    <message>
        <source>This machine&apos;s maths library computes the game&apos;s angles differently from the host&apos;s</source>
        <translation>La bibliothèque mathématique de cette machine calcule les angles du jeu autrement que celle de l’hôte</translation>
    </message>
    <message>
        <source>This machine reads the game&apos;s settings differently</source>
        <translation>Cette machine lit les réglages du jeu autrement</translation>
    </message>
    <message>
        <source>This machine plays under other rules than the host&apos;s</source>
        <translation>Cette machine joue selon d’autres règles que celle de l’hôte</translation>
    </message>
    <message>
        <source>The network could not be started.</source>
        <translation>Le réseau n’a pas pu démarrer.</translation>
    </message>
    <message>
        <source>The host address is empty.</source>
        <translation>L’adresse de l’hôte est vide.</translation>
    </message>
    <message>
        <source>The port cannot change once a guest has joined.</source>
        <translation>Le port ne peut plus changer une fois qu’un invité a rejoint la partie.</translation>
    </message>
    <message>
        <source>This file is not a Slyders replay.</source>
        <translation>Ce fichier n’est pas une rediffusion Slyders.</translation>
    </message>
    <message>
        <source>This replay was made by a newer Slyders.</source>
        <translation>Cette rediffusion a été faite par une version plus récente de Slyders.</translation>
    </message>
    <message>
        <source>its format version is 0</source>
        <translation>la version de son format est 0</translation>
    </message>
    <message>
        <source>it is cut short</source>
        <translation>elle est tronquée</translation>
    </message>
    <message>
        <source>it was cut short or changed since it was written</source>
        <translation>elle a été tronquée ou modifiée depuis son écriture</translation>
    </message>
    <message>
        <source>it does not hold the 23 settings</source>
        <translation>elle ne contient pas les 23 réglages</translation>
    </message>
    <message>
        <source>there are bytes after its end</source>
        <translation>des octets suivent sa fin</translation>
    </message>
    <message>
        <source>the game has no players</source>
        <translation>la partie n’a aucun joueur</translation>
    </message>
    <message>
        <source>an event of an unknown kind</source>
        <translation>elle contient un événement d’un type inconnu</translation>
    </message>
    <message>
        <source>its checks do not cover the game</source>
        <translation>ses contrôles ne couvrent pas la partie</translation>
    </message>
    <message>
        <source>more slyders died than played</source>
        <translation>plus de slyders sont morts qu’il n’en a joué</translation>
    </message>
    <message>
        <source>the order of deaths names no slot</source>
        <translation>l’ordre des morts ne désigne aucune place</translation>
    </message>
    <message>
        <source>the DEMO flag</source>
        <translation>indicateur DEMO</translation>
    </message>
    <message>
        <source>the number of computer players</source>
        <translation>nombre de joueurs ordinateur</translation>
    </message>
    <message>
        <source>the number of human players</source>
        <translation>nombre de joueurs humains</translation>
    </message>
    <message>
        <source>the skill</source>
        <translation>niveau</translation>
    </message>
    <message>
        <source>the speed</source>
        <translation>vitesse</translation>
    </message>
    <message>
        <source>the seed</source>
        <translation>graine du hasard</translation>
    </message>
    <message>
        <source>a key pair</source>
        <translation>paire de touches</translation>
    </message>
    <message>
        <source>a seat&apos;s player</source>
        <translation>joueur d’une place</translation>
    </message>
    <message>
        <source>the round points</source>
        <translation>points par manche</translation>
    </message>
    <message>
        <source>the rounds won</source>
        <translation>manches gagnées</translation>
    </message>
    <message>
        <source>the arena side</source>
        <translation>côté de l’arène</translation>
    </message>
    <message>
        <source>an event&apos;s tick</source>
        <translation>tour d’un événement</translation>
    </message>
    <message>
        <source>an event</source>
        <translation>événement</translation>
    </message>
    <message>
        <source>the held keys</source>
        <translation>touches enfoncées</translation>
    </message>
    <message>
        <source>a speed change</source>
        <translation>changement de vitesse</translation>
    </message>
    <message>
        <source>a setting&apos;s number</source>
        <translation>numéro d’un réglage</translation>
    </message>
    <message>
        <source>a setting&apos;s value</source>
        <translation>valeur d’un réglage</translation>
    </message>
    <message>
        <source>the seats that left</source>
        <translation>places quittées</translation>
    </message>
    <message>
        <source>the checksum</source>
        <translation>somme de contrôle</translation>
    </message>
    <message>
        <source>the program version</source>
        <translation>version du programme</translation>
    </message>
    <message>
        <source>the date</source>
        <translation>date</translation>
    </message>
    <message>
        <source>the network flag</source>
        <translation>indicateur réseau</translation>
    </message>
    <message>
        <source>the settings</source>
        <translation>réglages</translation>
    </message>
    <message>
        <source>the names</source>
        <translation>noms</translation>
    </message>
    <message>
        <source>the ratings</source>
        <translation>classements</translation>
    </message>
    <message>
        <source>the end</source>
        <translation>fin</translation>
    </message>
    <message>
        <source>the last tick</source>
        <translation>dernier tour</translation>
    </message>
    <message>
        <source>the events</source>
        <translation>événements</translation>
    </message>
    <message>
        <source>the checks</source>
        <translation>contrôles</translation>
    </message>
    <message>
        <source>the final points</source>
        <translation>points finaux</translation>
    </message>
    <message>
        <source>the order of deaths</source>
        <translation>ordre des morts</translation>
    </message>
    <message>
        <source>the result</source>
        <translation>résultat</translation>
    </message>
    <message>
        <source>%1. Install the same Slyders package, with its fonts, on both machines.</source>
        <translation>%1. Installez le même paquet Slyders, avec ses polices, sur les deux machines.</translation>
    </message>
    <message>
        <source>Unknown address %1.</source>
        <translation>Adresse inconnue : %1.</translation>
    </message>
    <message>
        <source>Port %1 is in use or cannot be opened.</source>
        <translation>Le port %1 est occupé ou ne peut pas être ouvert.</translation>
    </message>
    <message>
        <source>Port %1 and the %2 after it are in use or cannot be opened.</source>
        <translation>Le port %1 et les %2 suivants sont occupés ou ne peuvent pas être ouverts.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an address.</source>
        <translation>« %1 » n’est pas une adresse.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a port (1 to 65535).</source>
        <translation>« %1 » n’est pas un port (de 1 à 65535).</translation>
    </message>
    <message>
        <source>no socket to look for games: %1</source>
        <translation>pas de socket pour chercher des parties : %1</translation>
    </message>
    <message>
        <source>The replay could not be written to %1.</source>
        <translation>La rediffusion n’a pas pu être écrite dans %1.</translation>
    </message>
    <message>
        <source>The replay could not be kept: %1.</source>
        <translation>La rediffusion n’a pas pu être gardée : %1.</translation>
    </message>
    <message>
        <source>The replay %1 could not be read.</source>
        <translation>La rediffusion %1 n’a pas pu être lue.</translation>
    </message>
    <message>
        <source>This replay is damaged: %1.</source>
        <translation>Cette rediffusion est endommagée : %1.</translation>
    </message>
    <message>
        <source>there is a value out of range in %1</source>
        <translation>une valeur est hors limites (%1)</translation>
    </message>
    <message>
        <source>it ends inside %1</source>
        <translation>elle s’arrête au milieu d’un champ (%1)</translation>
    </message>
    <message>
        <source>its arena side of %1 pixels is larger than any screen gives (at most %2)</source>
        <translation>son arène de %1 pixels de côté est plus grande que tout écran (au plus %2)</translation>
    </message>
    <message>
        <source>its arena side of %1 pixels is smaller than any window gives (at least %2)</source>
        <translation>son arène de %1 pixels de côté est plus petite que toute fenêtre (au moins %2)</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Between two reasons, each of which starts like a sentence of its own.</extracomment>
        <translation>. </translation>
    </message>
    <message>
        <source>not open</source>
        <translation>pas ouvert</translation>
    </message>
    <message>
        <source>it failed its check</source>
        <translation>il n’a pas passé sa vérification</translation>
    </message>
    <message>
        <source>it was written by another version of Slyders</source>
        <translation>il a été écrit par une autre version de Slyders</translation>
    </message>
    <message>
        <source>its tables are not the game&apos;s</source>
        <translation>ses tables ne sont pas celles du jeu</translation>
    </message>
    <message>
        <source>The video&apos;s size must be even numbers from 160x120 to 7680x4320.</source>
        <translation>La taille de la vidéo doit être faite de nombres pairs, de 160x120 à 7680x4320.</translation>
    </message>
    <message>
        <source>The video must be at least 5:4 wide, for the scoreboard beside the arena.</source>
        <translation>La vidéo doit être au moins au format 5:4, pour que le tableau des scores tienne à côté de l’arène.</translation>
    </message>
    <message>
        <source>The part to export must start at 0 s or later and end after it starts.</source>
        <translation>Le passage à exporter doit commencer à 0 s ou plus tard, et finir après son début.</translation>
    </message>
    <message>
        <source>A GIF holds at most 30 s: choose a shorter part, or WebM or MP4.</source>
        <translation>Un GIF dure au plus 30 s : choisissez un passage plus court, ou WebM ou MP4.</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>Mémoire insuffisante.</translation>
    </message>
    <message>
        <source>The sound cannot be converted for the encoder.</source>
        <translation>Le son ne peut pas être converti pour l’encodeur.</translation>
    </message>
    <message>
        <source>The picture cannot be scaled to the video&apos;s size.</source>
        <translation>L’image ne peut pas être mise à la taille de la vidéo.</translation>
    </message>
    <message>
        <source>The game history could not be opened at %1: %2.</source>
        <translation>L’historique des parties n’a pas pu être ouvert dans %1 : %2.</translation>
    </message>
    <message>
        <source>The game history could not be set up at %1: %2.</source>
        <translation>L’historique des parties n’a pas pu être préparé dans %1 : %2.</translation>
    </message>
    <message>
        <source>The game history could not take a game: %1.</source>
        <translation>L’historique des parties n’a pas pu enregistrer une partie : %1.</translation>
    </message>
    <message>
        <source>The game history could not be changed: %1.</source>
        <translation>L’historique des parties n’a pas pu être modifié : %1.</translation>
    </message>
    <message>
        <source>The replay %1 could not be removed: %2.</source>
        <translation>La rediffusion %1 n’a pas pu être supprimée : %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no video name: it must end in .webm, .mp4 or .gif.</source>
        <translation>« %1 » n’est pas un nom de vidéo : il doit finir par .webm, .mp4 ou .gif.</translation>
    </message>
    <message>
        <source>Cannot write %1: there is no folder %2.</source>
        <translation>Impossible d’écrire %1 : il n’y a pas de dossier %2.</translation>
    </message>
    <message>
        <source>Cannot write %1: it is a folder.</source>
        <translation>Impossible d’écrire %1 : c’est un dossier.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d’écrire %1 : %2</translation>
    </message>
    <message>
        <source>Nothing to export: the game lasts %1 s.</source>
        <translation>Rien à exporter : la partie dure %1 s.</translation>
    </message>
    <message>
        <source>FFmpeg on this machine has no %1 encoder.</source>
        <translation>FFmpeg n’a pas d’encodeur %1 sur cette machine.</translation>
    </message>
    <message>
        <source>FFmpeg on this machine cannot write %1 files.</source>
        <translation>FFmpeg ne sait pas écrire de fichiers %1 sur cette machine.</translation>
    </message>
    <message>
        <source>The %1 encoder refused the video: %2</source>
        <translation>L’encodeur %1 a refusé la vidéo : %2</translation>
    </message>
    <message>
        <source>The %1 encoder refused the sound: %2</source>
        <translation>L’encodeur %1 a refusé le son : %2</translation>
    </message>
    <message>
        <source>The encoder stopped: %1</source>
        <translation>L’encodeur s’est arrêté : %1</translation>
    </message>
    <message>
        <source>The video file cannot be written: %1</source>
        <translation>Le fichier vidéo ne peut pas être écrit : %1</translation>
    </message>
    <message>
        <source>The server refused the game: a setting is out of its bounds.</source>
        <translation>Le serveur a refusé la partie : un réglage sort de ses limites.</translation>
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
        <translation>DÉMO</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Réseau</translation>
    </message>
    <message>
        <source>Network host</source>
        <translation>Réseau, hôte</translation>
    </message>
    <message>
        <source>Network guest</source>
        <translation>Réseau, invité</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Serveur</translation>
    </message>
</context>
<context>
    <name>KeyPairs</name>
    <message>
        <source>Left / Right</source>
        <translation>Gauche / Droite</translation>
    </message>
    <message>
        <source>Ins / Del</source>
        <translation>Inser / Suppr</translation>
    </message>
    <message>
        <source>Custom keys %1</source>
        <translation>Touches personnalisées %1</translation>
    </message>
    <message>
        <source>Gamepad %1 (%2)</source>
        <translation>Manette %1 (%2)</translation>
    </message>
    <message>
        <source>not connected</source>
        <translation>non branchée</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
</context>
<context>
    <name>KeyRefusals</name>
    <message>
        <source>This key cannot be read: please choose another key.</source>
        <translation>Cette touche ne peut pas être lue : veuillez choisir une autre touche.</translation>
    </message>
    <message>
        <source>The key %1 belongs to the menu commands: please choose another key.</source>
        <translation>La touche %1 sert aux commandes du menu : veuillez choisir une autre touche.</translation>
    </message>
    <message>
        <source>The key %1 is used by a seated player&apos;s key pair %2: please choose another key.</source>
        <translation>La touche %1 fait partie de la paire %2 d’un joueur installé : veuillez choisir une autre touche.</translation>
    </message>
    <message>
        <source>The key %1 is already used by %2: please choose another key.</source>
        <translation>La touche %1 est déjà prise par %2 : veuillez choisir une autre touche.</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>The system&apos;s language</source>
        <translation>Langue du système</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>The game speaks this language from its next start:</source>
        <translation>Le jeu parlera cette langue dès son prochain lancement :</translation>
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
    <name>MessageBoxes</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
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
        <translation>Héberger une partie en réseau</translation>
    </message>
    <message>
        <source>Join network game</source>
        <translation>Rejoindre une partie en réseau</translation>
    </message>
    <message>
        <source>Waiting for %1...</source>
        <translation>En attente de %1…</translation>
    </message>
    <message>
        <source>The host plays on an arena of %1 pixels; this window has room for %2.</source>
        <translation type="vanished">L’hôte joue sur une arène de %1 pixels ; cette fenêtre n’a de place que pour %2.</translation>
    </message>
    <message>
        <source>Joined %1. Waiting for the host to start the game...</source>
        <translation>Connecté à %1. En attente du lancement de la partie par l’hôte…</translation>
    </message>
    <message>
        <source>Waiting for the host to start the next game...</source>
        <translation>En attente de la partie suivante de l’hôte…</translation>
    </message>
    <message>
        <source>The host plays on an arena of %1 pixels; the game shows arenas of up to %2.</source>
        <translation>L’hôte joue sur une arène de %1 pixels ; le jeu affiche des arènes jusqu’à %2.</translation>
    </message>
</context>
<context>
    <name>Panel</name>
    <message>
        <source>Game
points</source>
        <translation>Points
partie</translation>
    </message>
    <message>
        <source>Round
points</source>
        <translation>Points
manche</translation>
    </message>
    <message>
        <source>Rounds
won</source>
        <translation>Manches
gagnées</translation>
    </message>
    <message>
        <source>New game starts!</source>
        <translation>Nouvelle partie !</translation>
    </message>
    <message>
        <source>Wall</source>
        <translation>Mur</translation>
    </message>
    <message>
        <source>Wall disaster!</source>
        <translation>Catastrophe de murs !</translation>
    </message>
    <message>
        <source>Void...</source>
        <translation>Le vide…</translation>
    </message>
    <message>
        <source>Void disaster!</source>
        <translation>Catastrophe du vide !</translation>
    </message>
    <message>
        <source>Where is the food?</source>
        <translation>Où est la nourriture ?</translation>
    </message>
    <message>
        <source>Cruel mouse</source>
        <translation>Souris cruelle</translation>
    </message>
    <message>
        <source>Scrolling...</source>
        <translation>Ça défile…</translation>
    </message>
    <message>
        <source>Attractor</source>
        <translation>Attracteur</translation>
    </message>
    <message>
        <source>Attractor disaster!</source>
        <translation>Catastrophe d’attracteurs !</translation>
    </message>
    <message>
        <source>Tunnel</source>
        <translation>Tunnel</translation>
    </message>
    <message>
        <source>Tunnel disaster!</source>
        <translation>Catastrophe de tunnels !</translation>
    </message>
    <message>
        <source>%1 disappears!</source>
        <translation>%1 disparaît !</translation>
    </message>
    <message>
        <source>%1 left the game.</source>
        <translation>%1 a quitté la partie.</translation>
    </message>
    <message>
        <source>%1, R.I.P.</source>
        <translation>%1, R.I.P.</translation>
    </message>
    <message>
        <source>This round won by %1!</source>
        <translation>%1 remporte cette manche !</translation>
    </message>
    <message>
        <source>Waiting for %1...</source>
        <translation>En attente de %1…</translation>
    </message>
    <message>
        <source>Watching room %1</source>
        <translation>Spectateur du salon %1</translation>
    </message>
</context>
<context>
    <name>QShortcut</name>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Bas</translation>
    </message>
    <message>
        <source>Ins</source>
        <translation>Inser</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Suppr</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espace</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Retour arrière</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Basic events</source>
        <translation>Événements de base</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Événements</translation>
    </message>
    <message>
        <source>Disasters</source>
        <translation>Catastrophes</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sons</translation>
    </message>
    <message>
        <source>Produce sounds?</source>
        <translation>Jouer les sons ?</translation>
    </message>
    <message>
        <source>Save on exit</source>
        <translation>Enregistrer en quittant</translation>
    </message>
    <message>
        <source>Save settings on exit?</source>
        <translation>Enregistrer les réglages en quittant ?</translation>
    </message>
    <message>
        <source>Points in each round</source>
        <translation>Points par manche</translation>
    </message>
    <message>
        <source>How many points to finish a round?</source>
        <translation>Combien de points pour terminer une manche ?</translation>
    </message>
    <message>
        <source>Progress bars</source>
        <translation>Barres de progression</translation>
    </message>
    <message>
        <source>Show progress bars?</source>
        <translation>Afficher les barres de progression ?</translation>
    </message>
    <message>
        <source>Event names</source>
        <translation>Noms des événements</translation>
    </message>
    <message>
        <source>Show event names?</source>
        <translation>Afficher les noms des événements ?</translation>
    </message>
    <message>
        <source>Finish speed-up for computers</source>
        <translation>Fin accélérée pour les ordinateurs</translation>
    </message>
    <message>
        <source>Increase speed when only computer players play?</source>
        <translation>Accélérer quand seuls les joueurs ordinateur jouent ?</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fond</translation>
    </message>
    <message>
        <source>Restart game to see the change.</source>
        <translation>Relancez le jeu pour voir le changement.</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>Dark blue</source>
        <translation>Bleu foncé</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Stripes</source>
        <translation>Rayures</translation>
    </message>
    <message>
        <source>Color stripes</source>
        <translation>Rayures colorées</translation>
    </message>
    <message>
        <source>Waves</source>
        <translation>Vagues</translation>
    </message>
    <message>
        <source>Mesh</source>
        <translation>Maillage</translation>
    </message>
    <message>
        <source>Jeans</source>
        <translation>Jean</translation>
    </message>
    <message>
        <source>Green jeans</source>
        <translation>Jean vert</translation>
    </message>
    <message>
        <source>Diagonal stripes</source>
        <translation>Rayures diagonales</translation>
    </message>
    <message>
        <source>Pattern 1</source>
        <translation>Motif 1</translation>
    </message>
    <message>
        <source>Pattern 2</source>
        <translation>Motif 2</translation>
    </message>
    <message>
        <source>Pattern 3</source>
        <translation>Motif 3</translation>
    </message>
    <message>
        <source>Rings</source>
        <translation>Anneaux</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Grille</translation>
    </message>
    <message>
        <source>Small tiles</source>
        <translation>Petits carreaux</translation>
    </message>
    <message>
        <source>Large tiles</source>
        <translation>Grands carreaux</translation>
    </message>
    <message>
        <source>Tunnels</source>
        <translation>Tunnels</translation>
    </message>
    <message>
        <source>Make tunnels near players?</source>
        <translation>Creuser des tunnels près des joueurs ?</translation>
    </message>
    <message>
        <source>Big gaps</source>
        <translation>Grands trous</translation>
    </message>
    <message>
        <source>Make extra big gaps?</source>
        <translation>Faire des trous extra-larges ?</translation>
    </message>
    <message>
        <source>Cruel mouse</source>
        <translation>Souris cruelle</translation>
    </message>
    <message>
        <source>Enable cruel mouse pointer?</source>
        <translation>Activer le pointeur de souris cruel ?</translation>
    </message>
    <message>
        <source>Walls</source>
        <translation>Murs</translation>
    </message>
    <message>
        <source>Make walls?</source>
        <translation>Construire des murs ?</translation>
    </message>
    <message>
        <source>Food</source>
        <translation>Nourriture</translation>
    </message>
    <message>
        <source>Drop food to earn points just like while crossing gaps?</source>
        <translation>Semer de la nourriture qui rapporte des points, comme la traversée des trous ?</translation>
    </message>
    <message>
        <source>Void</source>
        <translation>Vide</translation>
    </message>
    <message>
        <source>Make empty areas while playing?</source>
        <translation>Créer des zones vides pendant la partie ?</translation>
    </message>
    <message>
        <source>Attractors</source>
        <translation>Attracteurs</translation>
    </message>
    <message>
        <source>Make attractors?</source>
        <translation>Créer des attracteurs ?</translation>
    </message>
    <message>
        <source>Invisibility</source>
        <translation>Invisibilité</translation>
    </message>
    <message>
        <source>Enable temporary invisibility?</source>
        <translation>Activer l’invisibilité temporaire ?</translation>
    </message>
    <message>
        <source>Scrolling</source>
        <translation>Défilement</translation>
    </message>
    <message>
        <source>Scroll the arena?</source>
        <translation>Faire défiler l’arène ?</translation>
    </message>
    <message>
        <source>Letters</source>
        <translation>Lettres</translation>
    </message>
    <message>
        <source>Drop letters? (not yet implemented)</source>
        <translation>Semer des lettres ? (pas encore disponible)</translation>
    </message>
    <message>
        <source>Missiles</source>
        <translation>Missiles</translation>
    </message>
    <message>
        <source>Allow launching missiles? (not yet implemented)</source>
        <translation>Autoriser le lancement de missiles ? (pas encore disponible)</translation>
    </message>
    <message>
        <source>Teleports</source>
        <translation>Téléporteurs</translation>
    </message>
    <message>
        <source>Make teleports? (not yet implemented)</source>
        <translation>Créer des téléporteurs ? (pas encore disponible)</translation>
    </message>
    <message>
        <source>Void disaster</source>
        <translation>Catastrophe du vide</translation>
    </message>
    <message>
        <source>Enable empty areas disaster?</source>
        <translation>Activer la catastrophe des zones vides ?</translation>
    </message>
    <message>
        <source>Tunnels disaster</source>
        <translation>Catastrophe de tunnels</translation>
    </message>
    <message>
        <source>Enable tunnels disaster?</source>
        <translation>Activer la catastrophe de tunnels ?</translation>
    </message>
    <message>
        <source>Walls disaster</source>
        <translation>Catastrophe de murs</translation>
    </message>
    <message>
        <source>Enable walls disaster?</source>
        <translation>Activer la catastrophe de murs ?</translation>
    </message>
    <message>
        <source>Attractors disaster</source>
        <translation>Catastrophe d’attracteurs</translation>
    </message>
    <message>
        <source>Enable attractors disaster?</source>
        <translation>Activer la catastrophe d’attracteurs ?</translation>
    </message>
    <message>
        <source>(integer %1÷%2)</source>
        <translation>(entier %1÷%2)</translation>
    </message>
</context>
<context>
    <name>TMainWnd</name>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Open replay</source>
        <translation>Ouvrir une rediffusion</translation>
    </message>
    <message>
        <source>Slyders replays (*%1);;All files (*)</source>
        <translation>Rediffusions Slyders (*%1);;Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>WatchRoom</name>
    <message>
        <source>Watching room %1</source>
        <translation>Spectateur du salon %1</translation>
    </message>
</context>
<context>
    <name>slyders::ExportVideoDialog</name>
    <message>
        <source>Export video</source>
        <translation>Exporter une vidéo</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Parcourir…</translation>
    </message>
    <message>
        <source>WebM (VP9 with Opus sound)</source>
        <translation>WebM (VP9 avec son Opus)</translation>
    </message>
    <message>
        <source>MP4 (H.264 with AAC sound)</source>
        <translation>MP4 (H.264 avec son AAC)</translation>
    </message>
    <message>
        <source>GIF (short clips, no sound)</source>
        <translation>GIF (clips courts, sans son)</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>the end</source>
        <translation>la fin</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>&amp;Fichier :</translation>
    </message>
    <message>
        <source>F&amp;ormat:</source>
        <translation>F&amp;ormat :</translation>
    </message>
    <message>
        <source>F&amp;rom:</source>
        <translation>&amp;De :</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Jusqu’à :</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Taille :</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exporter</translation>
    </message>
    <message>
        <source>WebM video (*.webm);;MP4 video (*.mp4);;GIF picture (*.gif)</source>
        <translation>Vidéo WebM (*.webm);;Vidéo MP4 (*.mp4);;Image GIF (*.gif)</translation>
    </message>
    <message>
        <source>The size is two numbers such as 1280x720.</source>
        <translation>La taille s’écrit avec deux nombres, par exemple 1280x720.</translation>
    </message>
    <message>
        <source>Exporting...</source>
        <translation>Export en cours…</translation>
    </message>
    <message>
        <source>Saved: %1 s of video.</source>
        <translation>Enregistré : %1 s de vidéo.</translation>
    </message>
    <message>
        <source>Cancelled: no file was made.</source>
        <translation>Annulé : aucun fichier n’a été créé.</translation>
    </message>
    <message>
        <source>Not exported.</source>
        <translation>Pas exporté.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>slyders::HistoryWindow</name>
    <message>
        <source>Game history</source>
        <translation>Historique des parties</translation>
    </message>
    <message>
        <source>&amp;Games</source>
        <translation>&amp;Parties</translation>
    </message>
    <message>
        <source>&amp;Statistics</source>
        <translation>&amp;Statistiques</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Players and points</source>
        <translation>Joueurs et points</translation>
    </message>
    <message>
        <source>Winner</source>
        <translation>Gagnant</translation>
    </message>
    <message>
        <source>Round won by</source>
        <translation>Manches gagnées par</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Rediffusion</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Parties</translation>
    </message>
    <message>
        <source>&amp;Player:</source>
        <translation>&amp;Joueur :</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Type :</translation>
    </message>
    <message>
        <source>&amp;Watch</source>
        <translation>&amp;Regarder</translation>
    </message>
    <message>
        <source>K&amp;eep</source>
        <translation>&amp;Garder</translation>
    </message>
    <message>
        <source>E&amp;xport video...</source>
        <translation>E&amp;xporter une vidéo…</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>S&amp;upprimer</translation>
    </message>
    <message>
        <source>Keep this replay for good: old replays are removed, kept ones stay.</source>
        <translation>Garder cette rediffusion pour de bon : les anciennes rediffusions sont effacées, celles gardées restent.</translation>
    </message>
    <message>
        <source>All players</source>
        <translation>Tous les joueurs</translation>
    </message>
    <message>
        <source>All kinds</source>
        <translation>Tous les types</translation>
    </message>
    <message>
        <source>draw</source>
        <translation>égalité</translation>
    </message>
    <message>
        <source>Kept for good</source>
        <translation>Gardée pour de bon</translation>
    </message>
    <message>
        <source>Keep this replay</source>
        <translation>Garder cette rediffusion</translation>
    </message>
    <message>
        <source>Delete the replay of this game for good?</source>
        <translation>Supprimer définitivement la rediffusion de cette partie ?</translation>
    </message>
    <message>
        <source>Delete this replay</source>
        <translation>Supprimer cette rediffusion</translation>
    </message>
    <message>
        <source>Games found: %1.</source>
        <translation>Parties trouvées : %1.</translation>
    </message>
    <message>
        <source>The game history could not be read (%1); it was made again from the replays in %2.</source>
        <translation>L’historique des parties n’a pas pu être lu (%1) ; il a été refait à partir des rediffusions de %2.</translation>
    </message>
    <message>
        <source>The game history was not found; it was made again from the replays in %1.</source>
        <translation>L’historique des parties est introuvable ; il a été refait à partir des rediffusions de %1.</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Joueur</translation>
    </message>
    <message>
        <source>P&amp;layer:</source>
        <translation>J&amp;oueur :</translation>
    </message>
    <message>
        <source>Games played:</source>
        <translation>Parties jouées :</translation>
    </message>
    <message>
        <source>Games won:</source>
        <translation>Parties gagnées :</translation>
    </message>
    <message>
        <source>Rounds played:</source>
        <translation>Manches jouées :</translation>
    </message>
    <message>
        <source>Rounds won:</source>
        <translation>Manches gagnées :</translation>
    </message>
    <message>
        <source>Mean points per game:</source>
        <translation>Points moyens par partie :</translation>
    </message>
    <message>
        <source>Gaps crossed:</source>
        <translation>Trous traversés :</translation>
    </message>
    <message>
        <source>Head to head</source>
        <translation>Face-à-face</translation>
    </message>
    <message>
        <source>Head to head (games with more points than the column&apos;s player, and with fewer):</source>
        <translation>Face-à-face (parties avec plus de points que le joueur de la colonne, et avec moins) :</translation>
    </message>
    <message>
        <source>Rating after each round played</source>
        <translation>Classement après chaque manche jouée</translation>
    </message>
    <message>
        <source>No round finished yet</source>
        <translation>Aucune manche terminée pour l’instant</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Classement</translation>
    </message>
    <message numerus="yes">
        <source>%n game(s) together</source>
        <translation>
            <numerusform>%n partie ensemble</numerusform>
            <numerusform>%n parties ensemble</numerusform>
        </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>slyders::KeysWindow</name>
    <message>
        <source>All players: hold both your keys at once. A key that stays dark while held cannot be read together with the others on this keyboard: choose another key pair for that seat.</source>
        <translation>Tous les joueurs : maintenez vos deux touches enfoncées en même temps. Une touche qui reste éteinte ne peut pas être lue avec les autres sur ce clavier : choisissez une autre paire de touches pour cette place.</translation>
    </message>
    <message>
        <source>left</source>
        <translation>gauche</translation>
    </message>
    <message>
        <source>right</source>
        <translation>droite</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Touches</translation>
    </message>
    <message>
        <source> Custom keys </source>
        <translation> Touches personnalisées </translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Choisir…</translation>
    </message>
    <message>
        <source> Key test </source>
        <translation> Test des touches </translation>
    </message>
    <message>
        <source>Press the key for %1 of %2.</source>
        <translation>Appuyez sur la touche « %1 » de %2.</translation>
    </message>
    <message>
        <source>%1 are now %2.</source>
        <translation>%1 : désormais %2.</translation>
    </message>
    <message>
        <source>Choosing cancelled: %1 stay %2.</source>
        <translation>Choix annulé : %1 restent %2.</translation>
    </message>
    <message>
        <source>Gamepad %1 %2</source>
        <translation>Manette %1 %2</translation>
    </message>
    <message>
        <source>Held together: %1</source>
        <translation>Tenues ensemble : %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
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
par l’équipe Slyders
Tallowin</translation>
    </message>
    <message>
        <source>Send E-mail to authors</source>
        <translation>Écrire aux auteurs</translation>
    </message>
    <message>
        <source>Read the Slyders guide: options, replays, network play and how to report a problem</source>
        <translation>Lire le guide de Slyders : options, rediffusions, jeu en réseau et signalement d’un problème</translation>
    </message>
    <message>
        <source>Error opening HTML file</source>
        <translation>Erreur à l’ouverture du fichier HTML</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation>Courriel :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>WWW:</source>
        <translation>Web :</translation>
    </message>
</context>
<context>
    <name>slyders::THelpWnd</name>
    <message>
        <source>Gamepads: the d-pad, the left stick or the shoulder buttons turn left and right.</source>
        <translation>Manettes : la croix, le stick gauche ou les gâchettes tournent à gauche et à droite.</translation>
    </message>
    <message>
        <source>Own keys and a key test for all seats: Ctrl+P, then &quot;Keys...&quot;.</source>
        <translation>Vos propres touches et un test des touches de toutes les places : Ctrl+P, puis « Touches… ».</translation>
    </message>
    <message>
        <source>The main goal of Slyders is to score points while avoiding various dangers. You will quickly learn what is dangerous by playing with the computer opponent. Each player controls the slyder with two keys, one for turning left and the other for turning right. Generally, most solid objects should be avoided. To score points, you have to</source>
        <translation>Le but de Slyders est de marquer des points en évitant toutes sortes de dangers. Vous apprendrez vite ce qui est dangereux en jouant contre l’ordinateur. Chaque joueur dirige son slyder avec deux touches, l’une pour tourner à gauche, l’autre pour tourner à droite. En général, mieux vaut éviter presque tout ce qui est solide. Pour marquer des points, il faut</translation>
    </message>
    <message>
        <source>cross gray gaps</source>
        <translation>traverser les trous gris</translation>
    </message>
    <message>
        <source> (one point for each gap),</source>
        <translation> (un point par trou),</translation>
    </message>
    <message>
        <source>capture food</source>
        <translation>attraper de la nourriture</translation>
    </message>
    <message>
        <source> (one point for each piece of food),</source>
        <translation> (un point par morceau),</translation>
    </message>
    <message>
        <source>eliminate opponents</source>
        <translation>éliminer des adversaires</translation>
    </message>
    <message>
        <source> (every survivor gets one point).</source>
        <translation> (chaque survivant gagne un point).</translation>
    </message>
    <message>
        <source>Playing with the computer opponents can be very challenging. However, this game is especially exciting when played by two or more human players! You can customize the keyboard control settings in &quot;Set up human players...&quot; (Ctrl+P): each player chooses a key pair or a gamepad there, and &quot;Keys...&quot; sets your own keys and tests them.</source>
        <translation>Jouer contre l’ordinateur peut être un vrai défi. Mais le jeu est encore plus palpitant à deux joueurs humains ou plus ! Réglez les commandes dans « Configurer les joueurs humains… » (Ctrl+P) : chaque joueur y choisit une paire de touches ou une manette, et « Touches… » permet de définir vos propres touches et de les tester.</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Comment jouer</translation>
    </message>
    <message>
        <source>Available control keys:</source>
        <translation>Touches disponibles :</translation>
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
        <translation>&amp;Partie</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouvelle</translation>
    </message>
    <message>
        <source>DEMO game</source>
        <translation>Partie DÉMO</translation>
    </message>
    <message>
        <source>&amp;Watch last game</source>
        <translation>&amp;Revoir la dernière partie</translation>
    </message>
    <message>
        <source>&amp;Open replay...</source>
        <translation>&amp;Ouvrir une rediffusion…</translation>
    </message>
    <message>
        <source>&amp;Host network game...</source>
        <translation>&amp;Héberger une partie en réseau…</translation>
    </message>
    <message>
        <source>&amp;Join network game...</source>
        <translation>Re&amp;joindre une partie en réseau…</translation>
    </message>
    <message>
        <source>&amp;Clear current results...</source>
        <translation>&amp;Effacer les résultats actuels…</translation>
    </message>
    <message>
        <source>&amp;Exit	Alt-F4</source>
        <translation>&amp;Quitter	Alt-F4</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <translation>&amp;Joueurs</translation>
    </message>
    <message>
        <source>Set up human players...</source>
        <translation>Configurer les joueurs humains…</translation>
    </message>
    <message>
        <source>Display high scores</source>
        <translation>Afficher les meilleurs scores</translation>
    </message>
    <message>
        <source>&amp;No computer players</source>
        <translation>&amp;Aucun joueur ordinateur</translation>
    </message>
    <message>
        <source>&amp;One computer player</source>
        <translation>&amp;Un joueur ordinateur</translation>
    </message>
    <message>
        <source>&amp;Two computer players</source>
        <translation>&amp;Deux joueurs ordinateur</translation>
    </message>
    <message>
        <source>&amp;Computer</source>
        <translation>&amp;Ordinateur</translation>
    </message>
    <message>
        <source>&amp;Poor</source>
        <translation>&amp;Faible</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Moyen</translation>
    </message>
    <message>
        <source>&amp;Good</source>
        <translation>&amp;Bon</translation>
    </message>
    <message>
        <source>&amp;Expert</source>
        <translation>&amp;Expert</translation>
    </message>
    <message>
        <source>S&amp;peed</source>
        <translation>&amp;Vitesse</translation>
    </message>
    <message>
        <source>&amp;Slow</source>
        <translation>&amp;Lente</translation>
    </message>
    <message>
        <source>&amp;Fast</source>
        <translation>&amp;Rapide</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Réglages</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;How to play</source>
        <translation>&amp;Comment jouer</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>&amp;Language...</source>
        <translation>&amp;Langue…</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>Clear current results? (high scores will not be affected)</source>
        <translation>Effacer les résultats actuels ? (les meilleurs scores sont conservés)</translation>
    </message>
    <message>
        <source>Finish game?</source>
        <translation>Terminer la partie ?</translation>
    </message>
    <message>
        <source>Slyders (paused)</source>
        <translation>Slyders (en pause)</translation>
    </message>
    <message>
        <source>Exit Slyders?</source>
        <translation>Quitter Slyders ?</translation>
    </message>
    <message>
        <source>E&amp;xport video...</source>
        <translation>E&amp;xporter une vidéo…</translation>
    </message>
    <message>
        <source>Game histor&amp;y...</source>
        <translation>Historique des &amp;parties…</translation>
    </message>
    <message>
        <source>Play on a &amp;server...</source>
        <translation>Jouer sur un &amp;serveur…</translation>
    </message>
    <message>
        <source>Slyders (replay)</source>
        <translation>Slyders (rediffusion)</translation>
    </message>
    <message>
        <source>Slyders (replay, paused)</source>
        <translation>Slyders (rediffusion, en pause)</translation>
    </message>
    <message>
        <source>Slyders (network game)</source>
        <translation>Slyders (partie en réseau)</translation>
    </message>
</context>
<context>
    <name>slyders::TParamWnd</name>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>A&amp;ppliquer</translation>
    </message>
    <message>
        <source>Bounds warning</source>
        <translation>Valeur hors limites</translation>
    </message>
    <message>
        <source>Groups of settings</source>
        <translation>Groupes de réglages</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>%1 value (in &apos;%2&apos;) too small (adjusted to %3)</source>
        <translation>Valeur de « %1 » (dans « %2 ») trop petite (ramenée à %3)</translation>
    </message>
    <message>
        <source>%1 value (in &apos;%2&apos;) too big (adjusted to %3)</source>
        <translation>Valeur de « %1 » (dans « %2 ») trop grande (ramenée à %3)</translation>
    </message>
</context>
<context>
    <name>slyders::TPlayersMgr</name>
    <message>
        <source>One player</source>
        <translation>Un joueur</translation>
    </message>
    <message>
        <source>Two players</source>
        <translation>Deux joueurs</translation>
    </message>
    <message>
        <source>Three players</source>
        <translation>Trois joueurs</translation>
    </message>
    <message>
        <source>Four players</source>
        <translation>Quatre joueurs</translation>
    </message>
    <message>
        <source>Not a valid player name: must be unique and have at least two characters.</source>
        <translation>Nom de joueur invalide : il doit être unique et compter au moins deux caractères.</translation>
    </message>
    <message>
        <source>The list of players is full: delete a player before adding a new one.</source>
        <translation>La liste des joueurs est pleine : supprimez un joueur avant d’en ajouter un nouveau.</translation>
    </message>
    <message>
        <source>Please select as many human players as you have chosen to play.</source>
        <translation>Choisissez autant de joueurs humains que vous en avez annoncé.</translation>
    </message>
    <message>
        <source>Some player is selected twice - please correct.</source>
        <translation>Un joueur est choisi deux fois – corrigez, s’il vous plaît.</translation>
    </message>
    <message>
        <source>Some players use the same control keys - please correct.</source>
        <translation>Des joueurs utilisent les mêmes touches – corrigez, s’il vous plaît.</translation>
    </message>
    <message>
        <source>%1    (rating = %2)</source>
        <translation>%1    (classement = %2)</translation>
    </message>
    <message>
        <source>Set up human players</source>
        <translation>Configurer les joueurs humains</translation>
    </message>
    <message>
        <source>Keys...</source>
        <translation>Touches…</translation>
    </message>
    <message>
        <source>Choose custom keys and test the keys of every seat</source>
        <translation>Choisir vos propres touches et tester celles de chaque place</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source> Currently playing </source>
        <translation> Joueurs en jeu </translation>
    </message>
    <message>
        <source>Player name</source>
        <translation>Nom du joueur</translation>
    </message>
    <message>
        <source>Used control keys</source>
        <translation>Touches utilisées</translation>
    </message>
    <message>
        <source>&amp;Colours:</source>
        <translation>&amp;Couleurs :</translation>
    </message>
    <message>
        <source>Standard colours</source>
        <translation>Couleurs habituelles</translation>
    </message>
    <message>
        <source>Colour-blind safe</source>
        <translation>Adaptées aux daltoniens</translation>
    </message>
    <message>
        <source> Available players </source>
        <translation> Joueurs disponibles </translation>
    </message>
    <message>
        <source>New player name:</source>
        <translation>Nom du nouveau joueur :</translation>
    </message>
    <message>
        <source>Enter the new player name here</source>
        <translation>Saisissez ici le nom du nouveau joueur</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Click here to add a new player</source>
        <translation>Cliquez ici pour ajouter un nouveau joueur</translation>
    </message>
    <message>
        <source>Delete selected player</source>
        <translation>Supprimer le joueur choisi</translation>
    </message>
    <message>
        <source>Select the player on the list above</source>
        <translation>Choisissez le joueur dans la liste ci-dessus</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Joueur %1</translation>
    </message>
    <message>
        <source>Delete permanently player &apos;%1&apos; ?</source>
        <translation>Supprimer définitivement le joueur « %1 » ?</translation>
    </message>
    <message>
        <source>Available players</source>
        <translation>Joueurs disponibles</translation>
    </message>
</context>
<context>
    <name>slyders::net::JoinDialog</name>
    <message>
        <source>Join network game</source>
        <translation>Rejoindre une partie en réseau</translation>
    </message>
    <message>
        <source>name or IP, optionally :port (%1)</source>
        <translation>nom ou IP, éventuellement :port (%1)</translation>
    </message>
    <message>
        <source>Host address:</source>
        <translation>Adresse de l’hôte :</translation>
    </message>
    <message>
        <source>Player:</source>
        <translation>Joueur :</translation>
    </message>
    <message>
        <source>a name not in the list yet</source>
        <translation>un nom qui n’est pas encore dans la liste</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>New player:</source>
        <translation>Nouveau joueur :</translation>
    </message>
    <message>
        <source>if the host set one</source>
        <translation>si l’hôte en a défini un</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Mot de passe :</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>Rejoindre</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Machine</source>
        <translation>Machine</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Joueurs</translation>
    </message>
    <message>
        <source>Free seats</source>
        <translation>Places libres</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Looking for games on the local network...</source>
        <translation>Recherche de parties sur le réseau local…</translation>
    </message>
    <message>
        <source>needed</source>
        <translation>requis</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>No game on the local network at the moment.</source>
        <translation>Aucune partie sur le réseau local pour le moment.</translation>
    </message>
    <message>
        <source>Games on the local network (double-click one to join):</source>
        <translation>Parties sur le réseau local (double-cliquez sur l’une d’elles pour la rejoindre) :</translation>
    </message>
</context>
<context>
    <name>slyders::net::NetLobby</name>
    <message>
        <source>Host network game</source>
        <translation>Héberger une partie en réseau</translation>
    </message>
    <message>
        <source>Machine</source>
        <translation>Machine</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Joueurs</translation>
    </message>
    <message>
        <source>Ping</source>
        <translation>Ping</translation>
    </message>
    <message>
        <source>none: anybody may join</source>
        <translation>aucun : tout le monde peut rejoindre</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Mot de passe :</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port :</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Lancer</translation>
    </message>
    <message>
        <source>Give your friends this address and port:
%1
port %2</source>
        <translation>Donnez à vos amis cette adresse et ce port :
%1
port %2</translation>
    </message>
    <message>
        <source>  or  </source>
        <translation>  ou  </translation>
    </message>
    <message>
        <source>Port %1 is busy: the game is at port %2.</source>
        <translation>Le port %1 est occupé : la partie est sur le port %2.</translation>
    </message>
    <message>
        <source>this machine</source>
        <translation>cette machine</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>1 seat is free.</source>
        <translation>1 place est libre.</translation>
    </message>
    <message>
        <source>%1 seats are free.</source>
        <translation>%1 places sont libres.</translation>
    </message>
    <message>
        <source>Input delay: 1 tick (%1 ms)</source>
        <translation>Délai des commandes : 1 tour (%1 ms)</translation>
    </message>
    <message>
        <source>Input delay: %1 ticks (%2 ms)</source>
        <translation>Délai des commandes : %1 tours (%2 ms)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Asking your router to open port %1 to the internet...</source>
        <translation>Demande à votre routeur d’ouvrir le port %1 vers Internet…</translation>
    </message>
    <message>
        <source>Friends on the internet join %1 (your router opened it by %2).</source>
        <translation>Vos amis sur Internet rejoignent %1 (votre routeur l’a ouvert par %2).</translation>
    </message>
    <message>
        <source>Your router did not open port %1 to the internet: friends outside your home network can join only once the port is forwarded to this machine in the router&apos;s settings. Or all of you play through a Slyders server.</source>
        <translation>Votre routeur n’a pas ouvert le port %1 vers Internet : vos amis hors de votre réseau domestique ne pourront rejoindre la partie qu’une fois le port redirigé vers cette machine dans les réglages du routeur. Ou alors, jouez tous via un serveur Slyders.</translation>
    </message>
    <message>
        <source>Machines in the game</source>
        <translation>Machines de la partie</translation>
    </message>
</context>
<context>
    <name>slyders::net::WaitWindow</name>
    <message>
        <source>Network game</source>
        <translation>Partie en réseau</translation>
    </message>
    <message>
        <source>Leave</source>
        <translation>Quitter</translation>
    </message>
</context>
<context>
    <name>slyders::server::RoomLobby</name>
    <message>
        <source>Room on the server</source>
        <translation>Salon sur le serveur</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Lancer</translation>
    </message>
    <message>
        <source>Leave</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Give your friends this code:</source>
        <translation>Donnez ce code à vos amis :</translation>
    </message>
    <message>
        <source>Players:</source>
        <translation>Joueurs :</translation>
    </message>
    <message>
        <source>The server&apos;s best players:</source>
        <translation>Les meilleurs joueurs du serveur :</translation>
    </message>
    <message numerus="yes">
        <source>%n watching</source>
        <translation>
            <numerusform>%n spectateur</numerusform>
            <numerusform>%n spectateurs</numerusform>
        </translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Joueurs</translation>
    </message>
    <message>
        <source>The server&apos;s best players</source>
        <translation>Les meilleurs joueurs du serveur</translation>
    </message>
</context>
<context>
    <name>slyders::server::ServerDialog</name>
    <message>
        <source>Play on a server</source>
        <translation>Jouer sur un serveur</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Adresse du serveur</translation>
    </message>
    <message>
        <source>Room code</source>
        <translation>Code du salon</translation>
    </message>
    <message>
        <source>Server address:</source>
        <translation>Adresse du serveur :</translation>
    </message>
    <message>
        <source>Room code:</source>
        <translation>Code du salon :</translation>
    </message>
    <message>
        <source>Create room</source>
        <translation>Créer un salon</translation>
    </message>
    <message>
        <source>Join room</source>
        <translation>Rejoindre un salon</translation>
    </message>
    <message>
        <source>Watch room</source>
        <translation>Regarder un salon</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
</TS>
