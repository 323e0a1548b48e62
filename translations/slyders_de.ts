<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>GameMessages</name>
    <message>
        <source>Draw. No winner yet!</source>
        <translation>Unentschieden. Noch kein Sieger!</translation>
    </message>
    <message>
        <source>This DEMO game ends with a draw.</source>
        <translation>Dieses DEMO-Spiel endet unentschieden.</translation>
    </message>
    <message>
        <source>Start DEMO game? (current results will be lost)</source>
        <translation>DEMO-Spiel starten? (Die bisherigen Ergebnisse gehen verloren)</translation>
    </message>
    <message>
        <source>Keep this replay?</source>
        <translation>Diese Wiederholung behalten?</translation>
    </message>
    <message>
        <source>Stop watching?</source>
        <translation>Zuschauen beenden?</translation>
    </message>
    <message>
        <source>The recorded game was left here, before its end.</source>
        <translation>Das aufgezeichnete Spiel wurde hier vor seinem Ende verlassen.</translation>
    </message>
    <message>
        <source>Open replay</source>
        <translation>Wiederholung öffnen</translation>
    </message>
    <message>
        <source>Keep this replay</source>
        <translation>Diese Wiederholung behalten</translation>
    </message>
    <message>
        <source>Replay not saved</source>
        <translation>Wiederholung nicht gespeichert</translation>
    </message>
    <message>
        <source>Play on a server</source>
        <translation>Auf einem Server spielen</translation>
    </message>
    <message>
        <source>Seat a player first (Players &gt; Set up human players...).</source>
        <translation>Wähle zuerst einen Spieler für einen Platz (Spieler &gt; Menschliche Spieler einrichten …).</translation>
    </message>
    <message>
        <source>The machines disagree about the game; it was stopped.</source>
        <translation>Die Rechner sind sich über das Spiel uneinig; es wurde angehalten.</translation>
    </message>
    <message>
        <source>The host dropped this machine because it stopped answering.</source>
        <translation>Der Gastgeber hat diesen Rechner entfernt, weil er nicht mehr antwortete.</translation>
    </message>
    <message>
        <source>This machine&apos;s game was not the server&apos;s; it was taken out of the game.</source>
        <translation>Das Spiel dieses Rechners war nicht das des Servers; er wurde aus dem Spiel genommen.</translation>
    </message>
    <message>
        <source>The server is shutting down.</source>
        <translation>Der Server wird heruntergefahren.</translation>
    </message>
    <message>
        <source>The host has closed the game.</source>
        <translation>Der Gastgeber hat das Spiel beendet.</translation>
    </message>
    <message>
        <source>the computer player</source>
        <translation>der Computerspieler</translation>
    </message>
    <message>
        <source>Round finished!
%1

Click for the next round:</source>
        <translation>Runde beendet!
%1

Klicke für die nächste Runde:</translation>
    </message>
    <message>
        <source>Round finished!
%1</source>
        <translation>Runde beendet!
%1</translation>
    </message>
    <message>
        <source>%1 points reached.

The winner is %2 !
%3&apos;s rating is now %4.</source>
        <translation>%1 Punkte erreicht.

Der Sieger ist %2!
%3 hat jetzt eine Wertung von %4.</translation>
    </message>
    <message>
        <source>This DEMO game has been won by %1.</source>
        <translation>Dieses DEMO-Spiel hat %1 gewonnen.</translation>
    </message>
    <message>
        <source>This replay did not play as it was recorded, from tick %1 on.</source>
        <translation>Diese Wiederholung lief ab Takt %1 nicht mehr so ab, wie sie aufgezeichnet wurde.</translation>
    </message>
    <message>
        <source>%1
The game itself is not affected.</source>
        <translation>%1
Das Spiel selbst ist davon nicht betroffen.</translation>
    </message>
    <message>
        <source>Gamepad %1 is not connected.</source>
        <translation>Gamepad %1 ist nicht verbunden.</translation>
    </message>
    <message>
        <source>the computer player #%1</source>
        <translation>der Computerspieler Nr. %1</translation>
    </message>
    <message>
        <source>This game was made by a different version of Slyders.</source>
        <translation>Dieses Spiel stammt von einer anderen Version von Slyders.</translation>
    </message>
    <message>
        <source>The host stopped answering.</source>
        <translation>Der Gastgeber antwortet nicht mehr.</translation>
    </message>
    <message>
        <source>The game is full: no seat is free.</source>
        <translation>Das Spiel ist voll: Kein Platz ist frei.</translation>
    </message>
    <message>
        <source>The game is full: only 1 seat is free.</source>
        <translation>Das Spiel ist voll: Nur 1 Platz ist frei.</translation>
    </message>
    <message>
        <source>Wrong password.</source>
        <translation>Falsches Passwort.</translation>
    </message>
    <message>
        <source>This game needs a password.</source>
        <translation>Dieses Spiel braucht ein Passwort.</translation>
    </message>
    <message>
        <source>The game has already started.</source>
        <translation>Das Spiel hat schon begonnen.</translation>
    </message>
    <message>
        <source>Too many bad packets.</source>
        <translation>Zu viele fehlerhafte Pakete.</translation>
    </message>
    <message>
        <source>No room has this code.</source>
        <translation>Kein Raum hat diesen Code.</translation>
    </message>
    <message>
        <source>Too many wrong codes: try again in a few minutes.</source>
        <translation>Zu viele falsche Codes: Versuche es in ein paar Minuten noch einmal.</translation>
    </message>
    <message>
        <source>The server holds all the rooms it may: try again later.</source>
        <translation>Der Server hat schon so viele Räume, wie er darf: Versuche es später noch einmal.</translation>
    </message>
    <message>
        <source>A player&apos;s name belongs to another machine on this server.</source>
        <translation>Ein Spielername gehört auf diesem Server schon einem anderen Rechner.</translation>
    </message>
    <message>
        <source>The room has as many spectators as it may.</source>
        <translation>Der Raum hat schon so viele Zuschauer, wie er darf.</translation>
    </message>
    <message>
        <source>The room is full: no seat is free.</source>
        <translation>Der Raum ist voll: Kein Platz ist frei.</translation>
    </message>
    <message>
        <source>Refused.</source>
        <translation>Abgelehnt.</translation>
    </message>
    <message>
        <source>The game is full: only %1 seats are free.</source>
        <translation>Das Spiel ist voll: Nur %1 Plätze sind frei.</translation>
    </message>
    <message>
        <source>Could not reach %1.</source>
        <translation>%1 ist nicht erreichbar.</translation>
    </message>
    <message>
        <source>No room has the code %1.</source>
        <translation>Kein Raum hat den Code %1.</translation>
    </message>
    <message>
        <source>The host at %1 did not answer.</source>
        <translation>Der Gastgeber unter %1 hat nicht geantwortet.</translation>
    </message>
    <message>
        <source>This machine draws the arena&apos;s texts differently from the host&apos;s (its fonts or font library differ)</source>
        <translation>Dieser Rechner zeichnet die Texte der Arena anders als der des Gastgebers (seine Schriften oder seine Schriftbibliothek weichen ab)</translation>
    </message>
    <message>
        <source>This machine&apos;s maths library computes the game&apos;s angles differently from the host&apos;s</source>
        <translation>Die Mathematikbibliothek dieses Rechners berechnet die Winkel des Spiels anders als die des Gastgebers</translation>
    </message>
    <message>
        <source>This machine reads the game&apos;s settings differently</source>
        <translation>Dieser Rechner liest die Einstellungen des Spiels anders</translation>
    </message>
    <message>
        <source>This machine plays under other rules than the host&apos;s</source>
        <translation>Dieser Rechner spielt nach anderen Regeln als der des Gastgebers</translation>
    </message>
    <message>
        <source>The network could not be started.</source>
        <translation>Das Netzwerk ließ sich nicht starten.</translation>
    </message>
    <message>
        <source>The host address is empty.</source>
        <translation>Die Adresse des Gastgebers ist leer.</translation>
    </message>
    <message>
        <source>The port cannot change once a guest has joined.</source>
        <translation>Sobald ein Gast beigetreten ist, lässt sich der Port nicht mehr ändern.</translation>
    </message>
    <message>
        <source>This file is not a Slyders replay.</source>
        <translation>Diese Datei ist keine Slyders-Wiederholung.</translation>
    </message>
    <message>
        <source>This replay was made by a newer Slyders.</source>
        <translation>Diese Wiederholung stammt von einer neueren Slyders-Version.</translation>
    </message>
    <message>
        <source>its format version is 0</source>
        <translation>ihre Formatversion ist 0</translation>
    </message>
    <message>
        <source>it is cut short</source>
        <translation>sie ist abgeschnitten</translation>
    </message>
    <message>
        <source>it was cut short or changed since it was written</source>
        <translation>sie wurde nach dem Schreiben gekürzt oder verändert</translation>
    </message>
    <message>
        <source>it does not hold the 23 settings</source>
        <translation>sie enthält nicht die 23 Einstellungen</translation>
    </message>
    <message>
        <source>there are bytes after its end</source>
        <translation>hinter ihrem Ende stehen noch Bytes</translation>
    </message>
    <message>
        <source>the game has no players</source>
        <translation>das Spiel hat keine Spieler</translation>
    </message>
    <message>
        <source>an event of an unknown kind</source>
        <translation>sie enthält ein Ereignis unbekannter Art</translation>
    </message>
    <message>
        <source>its checks do not cover the game</source>
        <translation>ihre Prüfwerte decken das Spiel nicht ab</translation>
    </message>
    <message>
        <source>more slyders died than played</source>
        <translation>es sind mehr Slyders gestorben als mitgespielt haben</translation>
    </message>
    <message>
        <source>the order of deaths names no slot</source>
        <translation>die Reihenfolge der Tode nennt keinen Platz</translation>
    </message>
    <message>
        <source>the DEMO flag</source>
        <translation>DEMO-Kennzeichen</translation>
    </message>
    <message>
        <source>the number of computer players</source>
        <translation>Anzahl der Computerspieler</translation>
    </message>
    <message>
        <source>the number of human players</source>
        <translation>Anzahl der menschlichen Spieler</translation>
    </message>
    <message>
        <source>the skill</source>
        <translation>Spielstärke</translation>
    </message>
    <message>
        <source>the speed</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>the seed</source>
        <translation>Startwert des Zufalls</translation>
    </message>
    <message>
        <source>a key pair</source>
        <translation>Tastenpaar</translation>
    </message>
    <message>
        <source>a seat&apos;s player</source>
        <translation>Spieler eines Platzes</translation>
    </message>
    <message>
        <source>the round points</source>
        <translation>Punkte pro Runde</translation>
    </message>
    <message>
        <source>the rounds won</source>
        <translation>gewonnene Runden</translation>
    </message>
    <message>
        <source>the arena side</source>
        <translation>Seitenlänge der Arena</translation>
    </message>
    <message>
        <source>an event&apos;s tick</source>
        <translation>Takt eines Ereignisses</translation>
    </message>
    <message>
        <source>an event</source>
        <translation>Ereignis</translation>
    </message>
    <message>
        <source>the held keys</source>
        <translation>gedrückte Tasten</translation>
    </message>
    <message>
        <source>a speed change</source>
        <translation>Geschwindigkeitswechsel</translation>
    </message>
    <message>
        <source>a setting&apos;s number</source>
        <translation>Nummer einer Einstellung</translation>
    </message>
    <message>
        <source>a setting&apos;s value</source>
        <translation>Wert einer Einstellung</translation>
    </message>
    <message>
        <source>the seats that left</source>
        <translation>verlassene Plätze</translation>
    </message>
    <message>
        <source>the checksum</source>
        <translation>Prüfsumme</translation>
    </message>
    <message>
        <source>the program version</source>
        <translation>Programmversion</translation>
    </message>
    <message>
        <source>the date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>the network flag</source>
        <translation>Netzwerk-Kennzeichen</translation>
    </message>
    <message>
        <source>the settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>the names</source>
        <translation>Namen</translation>
    </message>
    <message>
        <source>the ratings</source>
        <translation>Wertungen</translation>
    </message>
    <message>
        <source>the end</source>
        <translation>Spielende</translation>
    </message>
    <message>
        <source>the last tick</source>
        <translation>letzter Takt</translation>
    </message>
    <message>
        <source>the events</source>
        <translation>Ereignisse</translation>
    </message>
    <message>
        <source>the checks</source>
        <translation>Prüfwerte</translation>
    </message>
    <message>
        <source>the final points</source>
        <translation>Endpunktzahlen</translation>
    </message>
    <message>
        <source>the order of deaths</source>
        <translation>Reihenfolge der Tode</translation>
    </message>
    <message>
        <source>the result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>%1. Install the same Slyders package, with its fonts, on both machines.</source>
        <translation>%1. Installiere auf beiden Rechnern dasselbe Slyders-Paket mitsamt seinen Schriften.</translation>
    </message>
    <message>
        <source>Unknown address %1.</source>
        <translation>Unbekannte Adresse %1.</translation>
    </message>
    <message>
        <source>Port %1 is in use or cannot be opened.</source>
        <translation>Port %1 ist belegt oder lässt sich nicht öffnen.</translation>
    </message>
    <message>
        <source>Port %1 and the %2 after it are in use or cannot be opened.</source>
        <translation>Port %1 und die %2 danach sind belegt oder lassen sich nicht öffnen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an address.</source>
        <translation>„%1“ ist keine Adresse.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a port (1 to 65535).</source>
        <translation>„%1“ ist kein Port (1 bis 65535).</translation>
    </message>
    <message>
        <source>no socket to look for games: %1</source>
        <translation>kein Socket für die Suche nach Spielen: %1</translation>
    </message>
    <message>
        <source>The replay could not be written to %1.</source>
        <translation>Die Wiederholung ließ sich nicht in %1 schreiben.</translation>
    </message>
    <message>
        <source>The replay could not be kept: %1.</source>
        <translation>Die Wiederholung ließ sich nicht behalten: %1.</translation>
    </message>
    <message>
        <source>The replay %1 could not be read.</source>
        <translation>Die Wiederholung %1 ließ sich nicht lesen.</translation>
    </message>
    <message>
        <source>This replay is damaged: %1.</source>
        <translation>Diese Wiederholung ist beschädigt: %1.</translation>
    </message>
    <message>
        <source>there is a value out of range in %1</source>
        <translation>ein Wert liegt außerhalb des zulässigen Bereichs (%1)</translation>
    </message>
    <message>
        <source>it ends inside %1</source>
        <translation>sie bricht mitten in einem Feld ab (%1)</translation>
    </message>
    <message>
        <source>its arena side of %1 pixels is larger than any screen gives (at most %2)</source>
        <translation>ihre Arena ist mit %1 Pixeln Seitenlänge größer als jeder Bildschirm (höchstens %2)</translation>
    </message>
    <message>
        <source>its arena side of %1 pixels is smaller than any window gives (at least %2)</source>
        <translation>ihre Arena ist mit %1 Pixeln Seitenlänge kleiner als jedes Fenster (mindestens %2)</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Between two reasons, each of which starts like a sentence of its own.</extracomment>
        <translation>. </translation>
    </message>
    <message>
        <source>not open</source>
        <translation>nicht geöffnet</translation>
    </message>
    <message>
        <source>it failed its check</source>
        <translation>sie hat ihre Prüfung nicht bestanden</translation>
    </message>
    <message>
        <source>it was written by another version of Slyders</source>
        <translation>sie wurde von einer anderen Slyders-Version geschrieben</translation>
    </message>
    <message>
        <source>its tables are not the game&apos;s</source>
        <translation>ihre Tabellen sind nicht die des Spiels</translation>
    </message>
    <message>
        <source>The video&apos;s size must be even numbers from 160x120 to 7680x4320.</source>
        <translation>Die Größe des Videos muss aus geraden Zahlen von 160x120 bis 7680x4320 bestehen.</translation>
    </message>
    <message>
        <source>The video must be at least 5:4 wide, for the scoreboard beside the arena.</source>
        <translation>Das Video muss mindestens im Verhältnis 5:4 breit sein, damit die Punktetafel neben die Arena passt.</translation>
    </message>
    <message>
        <source>The part to export must start at 0 s or later and end after it starts.</source>
        <translation>Der zu exportierende Abschnitt muss bei 0 s oder später beginnen und nach seinem Beginn enden.</translation>
    </message>
    <message>
        <source>A GIF holds at most 30 s: choose a shorter part, or WebM or MP4.</source>
        <translation>Ein GIF fasst höchstens 30 s: Wähle einen kürzeren Abschnitt oder WebM bzw. MP4.</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>Nicht genug Speicher.</translation>
    </message>
    <message>
        <source>The sound cannot be converted for the encoder.</source>
        <translation>Der Ton lässt sich für den Encoder nicht umwandeln.</translation>
    </message>
    <message>
        <source>The picture cannot be scaled to the video&apos;s size.</source>
        <translation>Das Bild lässt sich nicht auf die Größe des Videos skalieren.</translation>
    </message>
    <message>
        <source>The game history could not be opened at %1: %2.</source>
        <translation>Die Spielchronik ließ sich unter %1 nicht öffnen: %2.</translation>
    </message>
    <message>
        <source>The game history could not be set up at %1: %2.</source>
        <translation>Die Spielchronik ließ sich unter %1 nicht einrichten: %2.</translation>
    </message>
    <message>
        <source>The game history could not take a game: %1.</source>
        <translation>Die Spielchronik konnte kein Spiel aufnehmen: %1.</translation>
    </message>
    <message>
        <source>The game history could not be changed: %1.</source>
        <translation>Die Spielchronik ließ sich nicht ändern: %1.</translation>
    </message>
    <message>
        <source>The replay %1 could not be removed: %2.</source>
        <translation>Die Wiederholung %1 ließ sich nicht löschen: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no video name: it must end in .webm, .mp4 or .gif.</source>
        <translation>„%1“ ist kein Videoname: Er muss auf .webm, .mp4 oder .gif enden.</translation>
    </message>
    <message>
        <source>Cannot write %1: there is no folder %2.</source>
        <translation>%1 lässt sich nicht schreiben: Es gibt keinen Ordner %2.</translation>
    </message>
    <message>
        <source>Cannot write %1: it is a folder.</source>
        <translation>%1 lässt sich nicht schreiben: Das ist ein Ordner.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 lässt sich nicht schreiben: %2</translation>
    </message>
    <message>
        <source>Nothing to export: the game lasts %1 s.</source>
        <translation>Nichts zu exportieren: Das Spiel dauert %1 s.</translation>
    </message>
    <message>
        <source>FFmpeg on this machine has no %1 encoder.</source>
        <translation>FFmpeg hat auf diesem Rechner keinen Encoder %1.</translation>
    </message>
    <message>
        <source>FFmpeg on this machine cannot write %1 files.</source>
        <translation>FFmpeg kann auf diesem Rechner keine %1-Dateien schreiben.</translation>
    </message>
    <message>
        <source>The %1 encoder refused the video: %2</source>
        <translation>Der Encoder %1 hat das Video abgelehnt: %2</translation>
    </message>
    <message>
        <source>The %1 encoder refused the sound: %2</source>
        <translation>Der Encoder %1 hat den Ton abgelehnt: %2</translation>
    </message>
    <message>
        <source>The encoder stopped: %1</source>
        <translation>Der Encoder hat abgebrochen: %1</translation>
    </message>
    <message>
        <source>The video file cannot be written: %1</source>
        <translation>Die Videodatei lässt sich nicht schreiben: %1</translation>
    </message>
    <message>
        <source>The server refused the game: a setting is out of its bounds.</source>
        <translation>Der Server hat das Spiel abgelehnt: Eine Einstellung liegt außerhalb ihrer Grenzen.</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>Local</source>
        <translation>Lokal</translation>
    </message>
    <message>
        <source>DEMO</source>
        <translation>DEMO</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Netzwerk</translation>
    </message>
    <message>
        <source>Network host</source>
        <translation>Netzwerk, Gastgeber</translation>
    </message>
    <message>
        <source>Network guest</source>
        <translation>Netzwerk, Gast</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
</context>
<context>
    <name>KeyPairs</name>
    <message>
        <source>Left / Right</source>
        <translation>Links / Rechts</translation>
    </message>
    <message>
        <source>Ins / Del</source>
        <translation>Einfg / Entf</translation>
    </message>
    <message>
        <source>Custom keys %1</source>
        <translation>Eigene Tasten %1</translation>
    </message>
    <message>
        <source>Gamepad %1 (%2)</source>
        <translation>Gamepad %1 (%2)</translation>
    </message>
    <message>
        <source>not connected</source>
        <translation>nicht verbunden</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
</context>
<context>
    <name>KeyRefusals</name>
    <message>
        <source>This key cannot be read: please choose another key.</source>
        <translation>Diese Taste lässt sich nicht lesen: Bitte wähle eine andere Taste.</translation>
    </message>
    <message>
        <source>The key %1 belongs to the menu commands: please choose another key.</source>
        <translation>Die Taste %1 gehört zu den Menübefehlen: Bitte wähle eine andere Taste.</translation>
    </message>
    <message>
        <source>The key %1 is used by a seated player&apos;s key pair %2: please choose another key.</source>
        <translation>Die Taste %1 gehört zum Tastenpaar %2 eines mitspielenden Spielers: Bitte wähle eine andere Taste.</translation>
    </message>
    <message>
        <source>The key %1 is already used by %2: please choose another key.</source>
        <translation>Die Taste %1 ist schon für %2 vergeben: Bitte wähle eine andere Taste.</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>The system&apos;s language</source>
        <translation>Sprache des Systems</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>The game speaks this language from its next start:</source>
        <translation>Diese Sprache gilt ab dem nächsten Start:</translation>
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
    <name>MessageBoxes</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
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
        <translation>Netzwerkspiel eröffnen</translation>
    </message>
    <message>
        <source>Join network game</source>
        <translation>Netzwerkspiel beitreten</translation>
    </message>
    <message>
        <source>Waiting for %1...</source>
        <translation>Warte auf %1 …</translation>
    </message>
    <message>
        <source>The host plays on an arena of %1 pixels; this window has room for %2.</source>
        <translation type="vanished">Der Gastgeber spielt auf einer Arena von %1 Pixeln; in dieses Fenster passen %2.</translation>
    </message>
    <message>
        <source>Joined %1. Waiting for the host to start the game...</source>
        <translation>Mit %1 verbunden. Warte, bis der Gastgeber das Spiel startet …</translation>
    </message>
    <message>
        <source>Waiting for the host to start the next game...</source>
        <translation>Warte, bis der Gastgeber das nächste Spiel startet …</translation>
    </message>
    <message>
        <source>The host plays on an arena of %1 pixels; the game shows arenas of up to %2.</source>
        <translation>Der Gastgeber spielt auf einer Arena von %1 Pixeln; das Spiel zeigt Arenen bis %2.</translation>
    </message>
</context>
<context>
    <name>Panel</name>
    <message>
        <source>Game
points</source>
        <translation>Spiel-
punkte</translation>
    </message>
    <message>
        <source>Round
points</source>
        <translation>Runden-
punkte</translation>
    </message>
    <message>
        <source>Rounds
won</source>
        <translation>Runden-
siege</translation>
    </message>
    <message>
        <source>New game starts!</source>
        <translation>Ein neues Spiel beginnt!</translation>
    </message>
    <message>
        <source>Wall</source>
        <translation>Mauer</translation>
    </message>
    <message>
        <source>Wall disaster!</source>
        <translation>Mauerkatastrophe!</translation>
    </message>
    <message>
        <source>Void...</source>
        <translation>Leere …</translation>
    </message>
    <message>
        <source>Void disaster!</source>
        <translation>Katastrophe der Leere!</translation>
    </message>
    <message>
        <source>Where is the food?</source>
        <translation>Wo ist das Futter?</translation>
    </message>
    <message>
        <source>Cruel mouse</source>
        <translation>Grausame Maus</translation>
    </message>
    <message>
        <source>Scrolling...</source>
        <translation>Alles verschiebt sich …</translation>
    </message>
    <message>
        <source>Attractor</source>
        <translation>Attraktor</translation>
    </message>
    <message>
        <source>Attractor disaster!</source>
        <translation>Attraktorkatastrophe!</translation>
    </message>
    <message>
        <source>Tunnel</source>
        <translation>Tunnel</translation>
    </message>
    <message>
        <source>Tunnel disaster!</source>
        <translation>Tunnelkatastrophe!</translation>
    </message>
    <message>
        <source>%1 disappears!</source>
        <translation>%1 verschwindet!</translation>
    </message>
    <message>
        <source>%1 left the game.</source>
        <translation>%1 hat das Spiel verlassen.</translation>
    </message>
    <message>
        <source>%1, R.I.P.</source>
        <translation>%1, R.I.P.</translation>
    </message>
    <message>
        <source>This round won by %1!</source>
        <translation>%1 gewinnt diese Runde!</translation>
    </message>
    <message>
        <source>Waiting for %1...</source>
        <translation>Warte auf %1 …</translation>
    </message>
    <message>
        <source>Watching room %1</source>
        <translation>Zuschauer im Raum %1</translation>
    </message>
</context>
<context>
    <name>QShortcut</name>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Runter</translation>
    </message>
    <message>
        <source>Ins</source>
        <translation>Einfg</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Entf</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Leertaste</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Rücktaste</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Basic events</source>
        <translation>Grundereignisse</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Ereignisse</translation>
    </message>
    <message>
        <source>Disasters</source>
        <translation>Katastrophen</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Töne</translation>
    </message>
    <message>
        <source>Produce sounds?</source>
        <translation>Töne abspielen?</translation>
    </message>
    <message>
        <source>Save on exit</source>
        <translation>Beim Beenden speichern</translation>
    </message>
    <message>
        <source>Save settings on exit?</source>
        <translation>Einstellungen beim Beenden speichern?</translation>
    </message>
    <message>
        <source>Points in each round</source>
        <translation>Punkte pro Runde</translation>
    </message>
    <message>
        <source>How many points to finish a round?</source>
        <translation>Wie viele Punkte beenden eine Runde?</translation>
    </message>
    <message>
        <source>Progress bars</source>
        <translation>Fortschrittsbalken</translation>
    </message>
    <message>
        <source>Show progress bars?</source>
        <translation>Fortschrittsbalken anzeigen?</translation>
    </message>
    <message>
        <source>Event names</source>
        <translation>Ereignisnamen</translation>
    </message>
    <message>
        <source>Show event names?</source>
        <translation>Namen der Ereignisse anzeigen?</translation>
    </message>
    <message>
        <source>Finish speed-up for computers</source>
        <translation>Schnelles Ende für Computerspieler</translation>
    </message>
    <message>
        <source>Increase speed when only computer players play?</source>
        <translation>Schneller spielen, wenn nur noch Computerspieler spielen?</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>Restart game to see the change.</source>
        <translation>Starte das Spiel neu, um die Änderung zu sehen.</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Dark blue</source>
        <translation>Dunkelblau</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Stripes</source>
        <translation>Streifen</translation>
    </message>
    <message>
        <source>Color stripes</source>
        <translation>Farbige Streifen</translation>
    </message>
    <message>
        <source>Waves</source>
        <translation>Wellen</translation>
    </message>
    <message>
        <source>Mesh</source>
        <translation>Netz</translation>
    </message>
    <message>
        <source>Jeans</source>
        <translation>Jeans</translation>
    </message>
    <message>
        <source>Green jeans</source>
        <translation>Grüne Jeans</translation>
    </message>
    <message>
        <source>Diagonal stripes</source>
        <translation>Diagonale Streifen</translation>
    </message>
    <message>
        <source>Pattern 1</source>
        <translation>Muster 1</translation>
    </message>
    <message>
        <source>Pattern 2</source>
        <translation>Muster 2</translation>
    </message>
    <message>
        <source>Pattern 3</source>
        <translation>Muster 3</translation>
    </message>
    <message>
        <source>Rings</source>
        <translation>Ringe</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Gitter</translation>
    </message>
    <message>
        <source>Small tiles</source>
        <translation>Kleine Kacheln</translation>
    </message>
    <message>
        <source>Large tiles</source>
        <translation>Große Kacheln</translation>
    </message>
    <message>
        <source>Tunnels</source>
        <translation>Tunnel</translation>
    </message>
    <message>
        <source>Make tunnels near players?</source>
        <translation>Tunnel in der Nähe der Spieler bauen?</translation>
    </message>
    <message>
        <source>Big gaps</source>
        <translation>Große Lücken</translation>
    </message>
    <message>
        <source>Make extra big gaps?</source>
        <translation>Besonders große Lücken machen?</translation>
    </message>
    <message>
        <source>Cruel mouse</source>
        <translation>Grausame Maus</translation>
    </message>
    <message>
        <source>Enable cruel mouse pointer?</source>
        <translation>Grausamen Mauszeiger einschalten?</translation>
    </message>
    <message>
        <source>Walls</source>
        <translation>Mauern</translation>
    </message>
    <message>
        <source>Make walls?</source>
        <translation>Mauern bauen?</translation>
    </message>
    <message>
        <source>Food</source>
        <translation>Futter</translation>
    </message>
    <message>
        <source>Drop food to earn points just like while crossing gaps?</source>
        <translation>Futter verteilen, das Punkte bringt wie das Durchqueren von Lücken?</translation>
    </message>
    <message>
        <source>Void</source>
        <translation>Leere</translation>
    </message>
    <message>
        <source>Make empty areas while playing?</source>
        <translation>Während des Spiels leere Flächen entstehen lassen?</translation>
    </message>
    <message>
        <source>Attractors</source>
        <translation>Attraktoren</translation>
    </message>
    <message>
        <source>Make attractors?</source>
        <translation>Attraktoren erzeugen?</translation>
    </message>
    <message>
        <source>Invisibility</source>
        <translation>Unsichtbarkeit</translation>
    </message>
    <message>
        <source>Enable temporary invisibility?</source>
        <translation>Zeitweise Unsichtbarkeit einschalten?</translation>
    </message>
    <message>
        <source>Scrolling</source>
        <translation>Verschieben</translation>
    </message>
    <message>
        <source>Scroll the arena?</source>
        <translation>Die Arena verschieben?</translation>
    </message>
    <message>
        <source>Letters</source>
        <translation>Buchstaben</translation>
    </message>
    <message>
        <source>Drop letters? (not yet implemented)</source>
        <translation>Buchstaben verteilen? (noch nicht eingebaut)</translation>
    </message>
    <message>
        <source>Missiles</source>
        <translation>Raketen</translation>
    </message>
    <message>
        <source>Allow launching missiles? (not yet implemented)</source>
        <translation>Raketen abfeuern erlauben? (noch nicht eingebaut)</translation>
    </message>
    <message>
        <source>Teleports</source>
        <translation>Teleporter</translation>
    </message>
    <message>
        <source>Make teleports? (not yet implemented)</source>
        <translation>Teleporter aufstellen? (noch nicht eingebaut)</translation>
    </message>
    <message>
        <source>Void disaster</source>
        <translation>Katastrophe der Leere</translation>
    </message>
    <message>
        <source>Enable empty areas disaster?</source>
        <translation>Katastrophe der leeren Flächen einschalten?</translation>
    </message>
    <message>
        <source>Tunnels disaster</source>
        <translation>Tunnelkatastrophe</translation>
    </message>
    <message>
        <source>Enable tunnels disaster?</source>
        <translation>Tunnelkatastrophe einschalten?</translation>
    </message>
    <message>
        <source>Walls disaster</source>
        <translation>Mauerkatastrophe</translation>
    </message>
    <message>
        <source>Enable walls disaster?</source>
        <translation>Mauerkatastrophe einschalten?</translation>
    </message>
    <message>
        <source>Attractors disaster</source>
        <translation>Attraktorkatastrophe</translation>
    </message>
    <message>
        <source>Enable attractors disaster?</source>
        <translation>Attraktorkatastrophe einschalten?</translation>
    </message>
    <message>
        <source>(integer %1÷%2)</source>
        <translation>(ganze Zahl %1÷%2)</translation>
    </message>
</context>
<context>
    <name>TMainWnd</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Open replay</source>
        <translation>Wiederholung öffnen</translation>
    </message>
    <message>
        <source>Slyders replays (*%1);;All files (*)</source>
        <translation>Slyders-Wiederholungen (*%1);;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>WatchRoom</name>
    <message>
        <source>Watching room %1</source>
        <translation>Zuschauer im Raum %1</translation>
    </message>
</context>
<context>
    <name>slyders::ExportVideoDialog</name>
    <message>
        <source>Export video</source>
        <translation>Video exportieren</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Durchsuchen …</translation>
    </message>
    <message>
        <source>WebM (VP9 with Opus sound)</source>
        <translation>WebM (VP9 mit Opus-Ton)</translation>
    </message>
    <message>
        <source>MP4 (H.264 with AAC sound)</source>
        <translation>MP4 (H.264 mit AAC-Ton)</translation>
    </message>
    <message>
        <source>GIF (short clips, no sound)</source>
        <translation>GIF (kurze Clips, ohne Ton)</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>the end</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>Dat&amp;ei:</translation>
    </message>
    <message>
        <source>F&amp;ormat:</source>
        <translation>&amp;Format:</translation>
    </message>
    <message>
        <source>F&amp;rom:</source>
        <translation>&amp;Von:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Bis:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Größe:</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>E&amp;xportieren</translation>
    </message>
    <message>
        <source>WebM video (*.webm);;MP4 video (*.mp4);;GIF picture (*.gif)</source>
        <translation>WebM-Video (*.webm);;MP4-Video (*.mp4);;GIF-Bild (*.gif)</translation>
    </message>
    <message>
        <source>The size is two numbers such as 1280x720.</source>
        <translation>Die Größe besteht aus zwei Zahlen, etwa 1280x720.</translation>
    </message>
    <message>
        <source>Exporting...</source>
        <translation>Wird exportiert …</translation>
    </message>
    <message>
        <source>Saved: %1 s of video.</source>
        <translation>Gespeichert: %1 s Video.</translation>
    </message>
    <message>
        <source>Cancelled: no file was made.</source>
        <translation>Abgebrochen: Es wurde keine Datei erstellt.</translation>
    </message>
    <message>
        <source>Not exported.</source>
        <translation>Nicht exportiert.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>slyders::HistoryWindow</name>
    <message>
        <source>Game history</source>
        <translation>Spielchronik</translation>
    </message>
    <message>
        <source>&amp;Games</source>
        <translation>&amp;Spiele</translation>
    </message>
    <message>
        <source>&amp;Statistics</source>
        <translation>Sta&amp;tistik</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Players and points</source>
        <translation>Spieler und Punkte</translation>
    </message>
    <message>
        <source>Winner</source>
        <translation>Sieger</translation>
    </message>
    <message>
        <source>Round won by</source>
        <translation>Runden gewonnen von</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Wiederholung</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Spiele</translation>
    </message>
    <message>
        <source>&amp;Player:</source>
        <translation>Sp&amp;ieler:</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Art:</translation>
    </message>
    <message>
        <source>&amp;Watch</source>
        <translation>A&amp;nsehen</translation>
    </message>
    <message>
        <source>K&amp;eep</source>
        <translation>&amp;Behalten</translation>
    </message>
    <message>
        <source>E&amp;xport video...</source>
        <translation>Video e&amp;xportieren …</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Keep this replay for good: old replays are removed, kept ones stay.</source>
        <translation>Diese Wiederholung für immer behalten: Alte Wiederholungen werden gelöscht, behaltene bleiben.</translation>
    </message>
    <message>
        <source>All players</source>
        <translation>Alle Spieler</translation>
    </message>
    <message>
        <source>All kinds</source>
        <translation>Alle Arten</translation>
    </message>
    <message>
        <source>draw</source>
        <translation>unentschieden</translation>
    </message>
    <message>
        <source>Kept for good</source>
        <translation>Für immer behalten</translation>
    </message>
    <message>
        <source>Keep this replay</source>
        <translation>Diese Wiederholung behalten</translation>
    </message>
    <message>
        <source>Delete the replay of this game for good?</source>
        <translation>Die Wiederholung dieses Spiels endgültig löschen?</translation>
    </message>
    <message>
        <source>Delete this replay</source>
        <translation>Diese Wiederholung löschen</translation>
    </message>
    <message>
        <source>Games found: %1.</source>
        <translation>Gefundene Spiele: %1.</translation>
    </message>
    <message>
        <source>The game history could not be read (%1); it was made again from the replays in %2.</source>
        <translation>Die Spielchronik ließ sich nicht lesen (%1); sie wurde aus den Wiederholungen in %2 neu erstellt.</translation>
    </message>
    <message>
        <source>The game history was not found; it was made again from the replays in %1.</source>
        <translation>Die Spielchronik wurde nicht gefunden; sie wurde aus den Wiederholungen in %1 neu erstellt.</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>P&amp;layer:</source>
        <translation>S&amp;pieler:</translation>
    </message>
    <message>
        <source>Games played:</source>
        <translation>Gespielte Spiele:</translation>
    </message>
    <message>
        <source>Games won:</source>
        <translation>Gewonnene Spiele:</translation>
    </message>
    <message>
        <source>Rounds played:</source>
        <translation>Gespielte Runden:</translation>
    </message>
    <message>
        <source>Rounds won:</source>
        <translation>Gewonnene Runden:</translation>
    </message>
    <message>
        <source>Mean points per game:</source>
        <translation>Punkte im Schnitt pro Spiel:</translation>
    </message>
    <message>
        <source>Gaps crossed:</source>
        <translation>Durchquerte Lücken:</translation>
    </message>
    <message>
        <source>Head to head</source>
        <translation>Direkter Vergleich</translation>
    </message>
    <message>
        <source>Head to head (games with more points than the column&apos;s player, and with fewer):</source>
        <translation>Direkter Vergleich (Spiele mit mehr Punkten als der Spieler der Spalte und mit weniger):</translation>
    </message>
    <message>
        <source>Rating after each round played</source>
        <translation>Wertung nach jeder gespielten Runde</translation>
    </message>
    <message>
        <source>No round finished yet</source>
        <translation>Noch keine Runde beendet</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Wertung</translation>
    </message>
    <message numerus="yes">
        <source>%n game(s) together</source>
        <translation>
            <numerusform>%n gemeinsames Spiel</numerusform>
            <numerusform>%n gemeinsame Spiele</numerusform>
        </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>slyders::KeysWindow</name>
    <message>
        <source>All players: hold both your keys at once. A key that stays dark while held cannot be read together with the others on this keyboard: choose another key pair for that seat.</source>
        <translation>Alle Spieler: Haltet beide Tasten gleichzeitig gedrückt. Eine Taste, die dabei dunkel bleibt, kann auf dieser Tastatur nicht zusammen mit den anderen gelesen werden: Wählt für diesen Platz ein anderes Tastenpaar.</translation>
    </message>
    <message>
        <source>left</source>
        <translation>links</translation>
    </message>
    <message>
        <source>right</source>
        <translation>rechts</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source> Custom keys </source>
        <translation> Eigene Tasten </translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Wählen …</translation>
    </message>
    <message>
        <source> Key test </source>
        <translation> Tastentest </translation>
    </message>
    <message>
        <source>Press the key for %1 of %2.</source>
        <translation>Drücke die Taste für %1 von %2.</translation>
    </message>
    <message>
        <source>%1 are now %2.</source>
        <translation>%1 sind jetzt %2.</translation>
    </message>
    <message>
        <source>Choosing cancelled: %1 stay %2.</source>
        <translation>Auswahl abgebrochen: %1 bleiben %2.</translation>
    </message>
    <message>
        <source>Gamepad %1 %2</source>
        <translation>Gamepad %1 %2</translation>
    </message>
    <message>
        <source>Held together: %1</source>
        <translation>Gleichzeitig gehalten: %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
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
vom Slyders-Team
Tallowin</translation>
    </message>
    <message>
        <source>Send E-mail to authors</source>
        <translation>E-Mail an die Autoren schicken</translation>
    </message>
    <message>
        <source>Read the Slyders guide: options, replays, network play and how to report a problem</source>
        <translation>Die Slyders-Anleitung lesen: Optionen, Wiederholungen, Netzwerkspiel und wie man einen Fehler meldet</translation>
    </message>
    <message>
        <source>Error opening HTML file</source>
        <translation>Fehler beim Öffnen der HTML-Datei</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über Slyders</translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation>E-Mail:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>WWW:</source>
        <translation>WWW:</translation>
    </message>
</context>
<context>
    <name>slyders::THelpWnd</name>
    <message>
        <source>Gamepads: the d-pad, the left stick or the shoulder buttons turn left and right.</source>
        <translation>Gamepads: Steuerkreuz, linker Stick oder Schultertasten lenken nach links und rechts.</translation>
    </message>
    <message>
        <source>Own keys and a key test for all seats: Ctrl+P, then &quot;Keys...&quot;.</source>
        <translation>Eigene Tasten und ein Tastentest für alle Plätze: Strg+P, dann „Tasten …“.</translation>
    </message>
    <message>
        <source>The main goal of Slyders is to score points while avoiding various dangers. You will quickly learn what is dangerous by playing with the computer opponent. Each player controls the slyder with two keys, one for turning left and the other for turning right. Generally, most solid objects should be avoided. To score points, you have to</source>
        <translation>Das Ziel von Slyders ist es, Punkte zu sammeln und dabei allerlei Gefahren auszuweichen. Was gefährlich ist, lernst du schnell im Spiel gegen den Computer. Jeder Spieler lenkt seinen Slyder mit zwei Tasten, eine für links und eine für rechts. Den meisten festen Dingen weicht man besser aus. Punkte bekommst du, wenn du</translation>
    </message>
    <message>
        <source>cross gray gaps</source>
        <translation>graue Lücken durchqueren</translation>
    </message>
    <message>
        <source> (one point for each gap),</source>
        <translation> (ein Punkt pro Lücke),</translation>
    </message>
    <message>
        <source>capture food</source>
        <translation>Futter einsammeln</translation>
    </message>
    <message>
        <source> (one point for each piece of food),</source>
        <translation> (ein Punkt pro Happen),</translation>
    </message>
    <message>
        <source>eliminate opponents</source>
        <translation>Gegner ausschalten</translation>
    </message>
    <message>
        <source> (every survivor gets one point).</source>
        <translation> (jeder Überlebende bekommt einen Punkt).</translation>
    </message>
    <message>
        <source>Playing with the computer opponents can be very challenging. However, this game is especially exciting when played by two or more human players! You can customize the keyboard control settings in &quot;Set up human players...&quot; (Ctrl+P): each player chooses a key pair or a gamepad there, and &quot;Keys...&quot; sets your own keys and tests them.</source>
        <translation>Gegen den Computer zu spielen kann eine echte Herausforderung sein. Richtig spannend wird es aber erst mit zwei oder mehr menschlichen Spielern! Die Steuerung stellst du unter „Menschliche Spieler einrichten …“ (Strg+P) ein: Dort wählt jeder Spieler ein Tastenpaar oder ein Gamepad, und unter „Tasten …“ legst du eigene Tasten fest und testest sie.</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Spielanleitung</translation>
    </message>
    <message>
        <source>Available control keys:</source>
        <translation>Verfügbare Steuertasten:</translation>
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
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>DEMO game</source>
        <translation>DEMO-Spiel</translation>
    </message>
    <message>
        <source>&amp;Watch last game</source>
        <translation>Letztes Spiel &amp;ansehen</translation>
    </message>
    <message>
        <source>&amp;Open replay...</source>
        <translation>Wiederholung ö&amp;ffnen …</translation>
    </message>
    <message>
        <source>&amp;Host network game...</source>
        <translation>Netzwerkspiel &amp;eröffnen …</translation>
    </message>
    <message>
        <source>&amp;Join network game...</source>
        <translation>Netzwerkspiel &amp;beitreten …</translation>
    </message>
    <message>
        <source>&amp;Clear current results...</source>
        <translation>Aktuelle Ergebnisse &amp;löschen …</translation>
    </message>
    <message>
        <source>&amp;Exit	Alt-F4</source>
        <translation>&amp;Beenden	Alt-F4</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <translation>S&amp;pieler</translation>
    </message>
    <message>
        <source>Set up human players...</source>
        <translation>Menschliche Spieler einrichten …</translation>
    </message>
    <message>
        <source>Display high scores</source>
        <translation>Bestenliste anzeigen</translation>
    </message>
    <message>
        <source>&amp;No computer players</source>
        <translation>&amp;Keine Computerspieler</translation>
    </message>
    <message>
        <source>&amp;One computer player</source>
        <translation>&amp;Ein Computerspieler</translation>
    </message>
    <message>
        <source>&amp;Two computer players</source>
        <translation>&amp;Zwei Computerspieler</translation>
    </message>
    <message>
        <source>&amp;Computer</source>
        <translation>&amp;Computer</translation>
    </message>
    <message>
        <source>&amp;Poor</source>
        <translation>&amp;Schwach</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Mittel</translation>
    </message>
    <message>
        <source>&amp;Good</source>
        <translation>&amp;Gut</translation>
    </message>
    <message>
        <source>&amp;Expert</source>
        <translation>&amp;Experte</translation>
    </message>
    <message>
        <source>S&amp;peed</source>
        <translation>&amp;Tempo</translation>
    </message>
    <message>
        <source>&amp;Slow</source>
        <translation>&amp;Langsam</translation>
    </message>
    <message>
        <source>&amp;Fast</source>
        <translation>&amp;Schnell</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>E&amp;instellungen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;How to play</source>
        <translation>&amp;Spielanleitung</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber Slyders</translation>
    </message>
    <message>
        <source>&amp;Language...</source>
        <translation>Spr&amp;ache …</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>Clear current results? (high scores will not be affected)</source>
        <translation>Aktuelle Ergebnisse löschen? (Die Bestenliste bleibt erhalten.)</translation>
    </message>
    <message>
        <source>Finish game?</source>
        <translation>Spiel beenden?</translation>
    </message>
    <message>
        <source>Slyders (paused)</source>
        <translation>Slyders (Pause)</translation>
    </message>
    <message>
        <source>Exit Slyders?</source>
        <translation>Slyders beenden?</translation>
    </message>
    <message>
        <source>E&amp;xport video...</source>
        <translation>Video e&amp;xportieren …</translation>
    </message>
    <message>
        <source>Game histor&amp;y...</source>
        <translation>Spiel&amp;chronik …</translation>
    </message>
    <message>
        <source>Play on a &amp;server...</source>
        <translation>Auf einem &amp;Server spielen …</translation>
    </message>
    <message>
        <source>Slyders (replay)</source>
        <translation>Slyders (Wiederholung)</translation>
    </message>
    <message>
        <source>Slyders (replay, paused)</source>
        <translation>Slyders (Wiederholung, Pause)</translation>
    </message>
    <message>
        <source>Slyders (network game)</source>
        <translation>Slyders (Netzwerkspiel)</translation>
    </message>
</context>
<context>
    <name>slyders::TParamWnd</name>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>Ü&amp;bernehmen</translation>
    </message>
    <message>
        <source>Bounds warning</source>
        <translation>Wert außerhalb der Grenzen</translation>
    </message>
    <message>
        <source>Groups of settings</source>
        <translation>Einstellungsgruppen</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>%1 value (in &apos;%2&apos;) too small (adjusted to %3)</source>
        <translation>Wert für „%1“ (in „%2“) zu klein (auf %3 gesetzt)</translation>
    </message>
    <message>
        <source>%1 value (in &apos;%2&apos;) too big (adjusted to %3)</source>
        <translation>Wert für „%1“ (in „%2“) zu groß (auf %3 gesetzt)</translation>
    </message>
</context>
<context>
    <name>slyders::TPlayersMgr</name>
    <message>
        <source>One player</source>
        <translation>Ein Spieler</translation>
    </message>
    <message>
        <source>Two players</source>
        <translation>Zwei Spieler</translation>
    </message>
    <message>
        <source>Three players</source>
        <translation>Drei Spieler</translation>
    </message>
    <message>
        <source>Four players</source>
        <translation>Vier Spieler</translation>
    </message>
    <message>
        <source>Not a valid player name: must be unique and have at least two characters.</source>
        <translation>Kein gültiger Spielername: Er muss eindeutig sein und mindestens zwei Zeichen haben.</translation>
    </message>
    <message>
        <source>The list of players is full: delete a player before adding a new one.</source>
        <translation>Die Spielerliste ist voll: Lösche erst einen Spieler, bevor du einen neuen hinzufügst.</translation>
    </message>
    <message>
        <source>Please select as many human players as you have chosen to play.</source>
        <translation>Bitte wähle so viele menschliche Spieler aus, wie mitspielen sollen.</translation>
    </message>
    <message>
        <source>Some player is selected twice - please correct.</source>
        <translation>Ein Spieler ist doppelt ausgewählt – bitte korrigieren.</translation>
    </message>
    <message>
        <source>Some players use the same control keys - please correct.</source>
        <translation>Mehrere Spieler nutzen dieselben Tasten – bitte korrigieren.</translation>
    </message>
    <message>
        <source>%1    (rating = %2)</source>
        <translation>%1    (Wertung = %2)</translation>
    </message>
    <message>
        <source>Set up human players</source>
        <translation>Menschliche Spieler einrichten</translation>
    </message>
    <message>
        <source>Keys...</source>
        <translation>Tasten …</translation>
    </message>
    <message>
        <source>Choose custom keys and test the keys of every seat</source>
        <translation>Eigene Tasten wählen und die Tasten aller Plätze testen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source> Currently playing </source>
        <translation> Spielen gerade </translation>
    </message>
    <message>
        <source>Player name</source>
        <translation>Spielername</translation>
    </message>
    <message>
        <source>Used control keys</source>
        <translation>Verwendete Tasten</translation>
    </message>
    <message>
        <source>&amp;Colours:</source>
        <translation>&amp;Farben:</translation>
    </message>
    <message>
        <source>Standard colours</source>
        <translation>Normale Farben</translation>
    </message>
    <message>
        <source>Colour-blind safe</source>
        <translation>Für Farbenblinde</translation>
    </message>
    <message>
        <source> Available players </source>
        <translation> Verfügbare Spieler </translation>
    </message>
    <message>
        <source>New player name:</source>
        <translation>Name des neuen Spielers:</translation>
    </message>
    <message>
        <source>Enter the new player name here</source>
        <translation>Hier den Namen des neuen Spielers eingeben</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Click here to add a new player</source>
        <translation>Hier klicken, um einen neuen Spieler hinzuzufügen</translation>
    </message>
    <message>
        <source>Delete selected player</source>
        <translation>Gewählten Spieler löschen</translation>
    </message>
    <message>
        <source>Select the player on the list above</source>
        <translation>Wähle den Spieler in der Liste oben</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Spieler %1</translation>
    </message>
    <message>
        <source>Delete permanently player &apos;%1&apos; ?</source>
        <translation>Spieler „%1“ endgültig löschen?</translation>
    </message>
    <message>
        <source>Available players</source>
        <translation>Verfügbare Spieler</translation>
    </message>
</context>
<context>
    <name>slyders::net::JoinDialog</name>
    <message>
        <source>Join network game</source>
        <translation>Netzwerkspiel beitreten</translation>
    </message>
    <message>
        <source>name or IP, optionally :port (%1)</source>
        <translation>Name oder IP, wahlweise :Port (%1)</translation>
    </message>
    <message>
        <source>Host address:</source>
        <translation>Adresse des Gastgebers:</translation>
    </message>
    <message>
        <source>Player:</source>
        <translation>Spieler:</translation>
    </message>
    <message>
        <source>a name not in the list yet</source>
        <translation>ein Name, der noch nicht in der Liste steht</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>New player:</source>
        <translation>Neuer Spieler:</translation>
    </message>
    <message>
        <source>if the host set one</source>
        <translation>falls der Gastgeber eines festgelegt hat</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>Beitreten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Machine</source>
        <translation>Rechner</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Free seats</source>
        <translation>Freie Plätze</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Looking for games on the local network...</source>
        <translation>Suche Spiele im lokalen Netzwerk …</translation>
    </message>
    <message>
        <source>needed</source>
        <translation>nötig</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keins</translation>
    </message>
    <message>
        <source>No game on the local network at the moment.</source>
        <translation>Gerade kein Spiel im lokalen Netzwerk.</translation>
    </message>
    <message>
        <source>Games on the local network (double-click one to join):</source>
        <translation>Spiele im lokalen Netzwerk (Doppelklick zum Beitreten):</translation>
    </message>
</context>
<context>
    <name>slyders::net::NetLobby</name>
    <message>
        <source>Host network game</source>
        <translation>Netzwerkspiel eröffnen</translation>
    </message>
    <message>
        <source>Machine</source>
        <translation>Rechner</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Ping</source>
        <translation>Ping</translation>
    </message>
    <message>
        <source>none: anybody may join</source>
        <translation>keins: jeder darf beitreten</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Give your friends this address and port:
%1
port %2</source>
        <translation>Gib deinen Freunden diese Adresse und diesen Port:
%1
Port %2</translation>
    </message>
    <message>
        <source>  or  </source>
        <translation>  oder  </translation>
    </message>
    <message>
        <source>Port %1 is busy: the game is at port %2.</source>
        <translation>Port %1 ist belegt: Das Spiel läuft auf Port %2.</translation>
    </message>
    <message>
        <source>this machine</source>
        <translation>dieser Rechner</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>1 seat is free.</source>
        <translation>1 Platz ist frei.</translation>
    </message>
    <message>
        <source>%1 seats are free.</source>
        <translation>%1 Plätze sind frei.</translation>
    </message>
    <message>
        <source>Input delay: 1 tick (%1 ms)</source>
        <translation>Eingabeverzögerung: 1 Takt (%1 ms)</translation>
    </message>
    <message>
        <source>Input delay: %1 ticks (%2 ms)</source>
        <translation>Eingabeverzögerung: %1 Takte (%2 ms)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Asking your router to open port %1 to the internet...</source>
        <translation>Bitte deinen Router, Port %1 zum Internet zu öffnen …</translation>
    </message>
    <message>
        <source>Friends on the internet join %1 (your router opened it by %2).</source>
        <translation>Freunde im Internet treten %1 bei (dein Router hat es per %2 geöffnet).</translation>
    </message>
    <message>
        <source>Your router did not open port %1 to the internet: friends outside your home network can join only once the port is forwarded to this machine in the router&apos;s settings. Or all of you play through a Slyders server.</source>
        <translation>Dein Router hat Port %1 nicht zum Internet geöffnet: Freunde außerhalb deines Heimnetzes können erst beitreten, wenn der Port in den Einstellungen des Routers an diesen Rechner weitergeleitet wird. Oder ihr spielt alle über einen Slyders-Server.</translation>
    </message>
    <message>
        <source>Machines in the game</source>
        <translation>Rechner im Spiel</translation>
    </message>
</context>
<context>
    <name>slyders::net::WaitWindow</name>
    <message>
        <source>Network game</source>
        <translation>Netzwerkspiel</translation>
    </message>
    <message>
        <source>Leave</source>
        <translation>Verlassen</translation>
    </message>
</context>
<context>
    <name>slyders::server::RoomLobby</name>
    <message>
        <source>Room on the server</source>
        <translation>Raum auf dem Server</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Leave</source>
        <translation>Verlassen</translation>
    </message>
    <message>
        <source>Give your friends this code:</source>
        <translation>Gib deinen Freunden diesen Code:</translation>
    </message>
    <message>
        <source>Players:</source>
        <translation>Spieler:</translation>
    </message>
    <message>
        <source>The server&apos;s best players:</source>
        <translation>Die besten Spieler des Servers:</translation>
    </message>
    <message numerus="yes">
        <source>%n watching</source>
        <translation>
            <numerusform>%n schaut zu</numerusform>
            <numerusform>%n schauen zu</numerusform>
        </translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>The server&apos;s best players</source>
        <translation>Die besten Spieler des Servers</translation>
    </message>
</context>
<context>
    <name>slyders::server::ServerDialog</name>
    <message>
        <source>Play on a server</source>
        <translation>Auf einem Server spielen</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Serveradresse</translation>
    </message>
    <message>
        <source>Room code</source>
        <translation>Raumcode</translation>
    </message>
    <message>
        <source>Server address:</source>
        <translation>Serveradresse:</translation>
    </message>
    <message>
        <source>Room code:</source>
        <translation>Raumcode:</translation>
    </message>
    <message>
        <source>Create room</source>
        <translation>Raum erstellen</translation>
    </message>
    <message>
        <source>Join room</source>
        <translation>Raum beitreten</translation>
    </message>
    <message>
        <source>Watch room</source>
        <translation>Im Raum zuschauen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
</TS>
