<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>GameMessages</name>
    <message>
        <source>Draw. No winner yet!</source>
        <translation>Remis. Jeszcze nie ma zwycięzcy!</translation>
    </message>
    <message>
        <source>This DEMO game ends with a draw.</source>
        <translation>Ta gra DEMO kończy się remisem.</translation>
    </message>
    <message>
        <source>Start DEMO game? (current results will be lost)</source>
        <translation>Rozpocząć grę DEMO? (obecne wyniki przepadną)</translation>
    </message>
    <message>
        <source>Keep this replay?</source>
        <translation>Zachować tę powtórkę?</translation>
    </message>
    <message>
        <source>Stop watching?</source>
        <translation>Przestać oglądać?</translation>
    </message>
    <message>
        <source>The recorded game was left here, before its end.</source>
        <translation>Nagraną grę przerwano w tym miejscu, przed jej końcem.</translation>
    </message>
    <message>
        <source>Open replay</source>
        <translation>Otwórz powtórkę</translation>
    </message>
    <message>
        <source>Keep this replay</source>
        <translation>Zachowaj tę powtórkę</translation>
    </message>
    <message>
        <source>Replay not saved</source>
        <translation>Nie zapisano powtórki</translation>
    </message>
    <message>
        <source>Play on a server</source>
        <translation>Graj na serwerze</translation>
    </message>
    <message>
        <source>Seat a player first (Players &gt; Set up human players...).</source>
        <translation>Najpierw przydziel graczowi miejsce (Gracze &gt; Ustaw graczy...).</translation>
    </message>
    <message>
        <source>The machines disagree about the game; it was stopped.</source>
        <translation>Komputery nie zgadzają się co do gry; została zatrzymana.</translation>
    </message>
    <message>
        <source>The host dropped this machine because it stopped answering.</source>
        <translation>Gospodarz odłączył ten komputer, bo przestał odpowiadać.</translation>
    </message>
    <message>
        <source>This machine&apos;s game was not the server&apos;s; it was taken out of the game.</source>
        <translation>Gra na tym komputerze nie była grą serwera; komputer został z niej wyłączony.</translation>
    </message>
    <message>
        <source>The server is shutting down.</source>
        <translation>Serwer jest wyłączany.</translation>
    </message>
    <message>
        <source>The host has closed the game.</source>
        <translation>Gospodarz zamknął grę.</translation>
    </message>
    <message>
        <source>the computer player</source>
        <translation>gracz komputerowy</translation>
    </message>
    <message>
        <source>Round finished!
%1

Click for the next round:</source>
        <translation>Runda zakończona!
%1

Kliknij, aby zagrać następną rundę:</translation>
    </message>
    <message>
        <source>Round finished!
%1</source>
        <translation>Runda zakończona!
%1</translation>
    </message>
    <message>
        <source>%1 points reached.

The winner is %2 !
%3&apos;s rating is now %4.</source>
        <translation>Osiągnięto limit punktów: %1.

Zwycięzca: %2!
Ranking gracza %3 wynosi teraz %4.</translation>
    </message>
    <message>
        <source>This DEMO game has been won by %1.</source>
        <translation>Zwycięzca tej gry DEMO: %1.</translation>
    </message>
    <message>
        <source>This replay did not play as it was recorded, from tick %1 on.</source>
        <translation>Od taktu %1 ta powtórka nie przebiegała tak, jak ją nagrano.</translation>
    </message>
    <message>
        <source>%1
The game itself is not affected.</source>
        <translation>%1
Nie ma to wpływu na samą grę.</translation>
    </message>
    <message>
        <source>Gamepad %1 is not connected.</source>
        <translation>Pad %1 nie jest podłączony.</translation>
    </message>
    <message>
        <source>the computer player #%1</source>
        <translation>gracz komputerowy nr %1</translation>
    </message>
    <message>
        <source>This game was made by a different version of Slyders.</source>
        <translation>Ta gra pochodzi z innej wersji Slyders.</translation>
    </message>
    <message>
        <source>The host stopped answering.</source>
        <translation>Gospodarz przestał odpowiadać.</translation>
    </message>
    <message>
        <source>The game is full: no seat is free.</source>
        <translation>Gra jest pełna: nie ma wolnych miejsc.</translation>
    </message>
    <message>
        <source>The game is full: only 1 seat is free.</source>
        <translation>Gra jest pełna: zostało tylko 1 wolne miejsce.</translation>
    </message>
    <message>
        <source>Wrong password.</source>
        <translation>Nieprawidłowe hasło.</translation>
    </message>
    <message>
        <source>This game needs a password.</source>
        <translation>Ta gra wymaga hasła.</translation>
    </message>
    <message>
        <source>The game has already started.</source>
        <translation>Gra już się rozpoczęła.</translation>
    </message>
    <message>
        <source>Too many bad packets.</source>
        <translation>Zbyt wiele błędnych pakietów.</translation>
    </message>
    <message>
        <source>No room has this code.</source>
        <translation>Żaden pokój nie ma tego kodu.</translation>
    </message>
    <message>
        <source>Too many wrong codes: try again in a few minutes.</source>
        <translation>Zbyt wiele błędnych kodów: spróbuj ponownie za kilka minut.</translation>
    </message>
    <message>
        <source>The server holds all the rooms it may: try again later.</source>
        <translation>Serwer ma już tyle pokoi, ile może: spróbuj ponownie później.</translation>
    </message>
    <message>
        <source>A player&apos;s name belongs to another machine on this server.</source>
        <translation>Nazwa jednego z graczy należy na tym serwerze do innego komputera.</translation>
    </message>
    <message>
        <source>The room has as many spectators as it may.</source>
        <translation>Pokój ma już tylu widzów, ilu może.</translation>
    </message>
    <message>
        <source>The room is full: no seat is free.</source>
        <translation>Pokój jest pełny: nie ma wolnych miejsc.</translation>
    </message>
    <message>
        <source>Refused.</source>
        <translation>Odmowa.</translation>
    </message>
    <message>
        <source>The game is full: only %1 seats are free.</source>
        <translation>Gra jest pełna: wolne miejsca: %1.</translation>
    </message>
    <message>
        <source>Could not reach %1.</source>
        <translation>Nie można połączyć się z %1.</translation>
    </message>
    <message>
        <source>No room has the code %1.</source>
        <translation>Żaden pokój nie ma kodu %1.</translation>
    </message>
    <message>
        <source>The host at %1 did not answer.</source>
        <translation>Gospodarz pod adresem %1 nie odpowiedział.</translation>
    </message>
    <message>
        <source>This machine draws the arena&apos;s texts differently from the host&apos;s (its fonts or font library differ)</source>
        <translation>Ten komputer rysuje teksty areny inaczej niż komputer gospodarza (różnią się czcionki lub biblioteka czcionek)</translation>
    </message>
    <message>
        <source>This machine&apos;s maths library computes the game&apos;s angles differently from the host&apos;s</source>
        <translation>Biblioteka matematyczna tego komputera liczy kąty gry inaczej niż biblioteka gospodarza</translation>
    </message>
    <message>
        <source>This machine reads the game&apos;s settings differently</source>
        <translation>Ten komputer inaczej odczytuje ustawienia gry</translation>
    </message>
    <message>
        <source>This machine plays under other rules than the host&apos;s</source>
        <translation>Ten komputer gra według innych zasad niż komputer gospodarza</translation>
    </message>
    <message>
        <source>The network could not be started.</source>
        <translation>Nie udało się uruchomić sieci.</translation>
    </message>
    <message>
        <source>The host address is empty.</source>
        <translation>Adres gospodarza jest pusty.</translation>
    </message>
    <message>
        <source>The port cannot change once a guest has joined.</source>
        <translation>Portu nie można już zmienić, gdy dołączył gość.</translation>
    </message>
    <message>
        <source>This file is not a Slyders replay.</source>
        <translation>Ten plik nie jest powtórką Slyders.</translation>
    </message>
    <message>
        <source>This replay was made by a newer Slyders.</source>
        <translation>Tę powtórkę nagrała nowsza wersja Slyders.</translation>
    </message>
    <message>
        <source>its format version is 0</source>
        <translation>wersja jej formatu to 0</translation>
    </message>
    <message>
        <source>it is cut short</source>
        <translation>jest ucięta</translation>
    </message>
    <message>
        <source>it was cut short or changed since it was written</source>
        <translation>od zapisania została ucięta lub zmieniona</translation>
    </message>
    <message>
        <source>it does not hold the 23 settings</source>
        <translation>nie zawiera 23 ustawień</translation>
    </message>
    <message>
        <source>there are bytes after its end</source>
        <translation>za jej końcem są jeszcze bajty</translation>
    </message>
    <message>
        <source>the game has no players</source>
        <translation>gra nie ma graczy</translation>
    </message>
    <message>
        <source>an event of an unknown kind</source>
        <translation>zawiera zdarzenie nieznanego rodzaju</translation>
    </message>
    <message>
        <source>its checks do not cover the game</source>
        <translation>jej sumy kontrolne nie obejmują całej gry</translation>
    </message>
    <message>
        <source>more slyders died than played</source>
        <translation>zginęło więcej slyderów, niż grało</translation>
    </message>
    <message>
        <source>the order of deaths names no slot</source>
        <translation>kolejność śmierci nie wskazuje żadnego miejsca</translation>
    </message>
    <message>
        <source>the DEMO flag</source>
        <translation>znacznik DEMO</translation>
    </message>
    <message>
        <source>the number of computer players</source>
        <translation>liczba graczy komputerowych</translation>
    </message>
    <message>
        <source>the number of human players</source>
        <translation>liczba graczy ludzkich</translation>
    </message>
    <message>
        <source>the skill</source>
        <translation>poziom</translation>
    </message>
    <message>
        <source>the speed</source>
        <translation>prędkość</translation>
    </message>
    <message>
        <source>the seed</source>
        <translation>ziarno losowania</translation>
    </message>
    <message>
        <source>a key pair</source>
        <translation>para klawiszy</translation>
    </message>
    <message>
        <source>a seat&apos;s player</source>
        <translation>gracz na miejscu</translation>
    </message>
    <message>
        <source>the round points</source>
        <translation>punkty w rundzie</translation>
    </message>
    <message>
        <source>the rounds won</source>
        <translation>wygrane rundy</translation>
    </message>
    <message>
        <source>the arena side</source>
        <translation>bok areny</translation>
    </message>
    <message>
        <source>an event&apos;s tick</source>
        <translation>takt zdarzenia</translation>
    </message>
    <message>
        <source>an event</source>
        <translation>zdarzenie</translation>
    </message>
    <message>
        <source>the held keys</source>
        <translation>wciśnięte klawisze</translation>
    </message>
    <message>
        <source>a speed change</source>
        <translation>zmiana prędkości</translation>
    </message>
    <message>
        <source>a setting&apos;s number</source>
        <translation>numer ustawienia</translation>
    </message>
    <message>
        <source>a setting&apos;s value</source>
        <translation>wartość ustawienia</translation>
    </message>
    <message>
        <source>the seats that left</source>
        <translation>opuszczone miejsca</translation>
    </message>
    <message>
        <source>the checksum</source>
        <translation>suma kontrolna</translation>
    </message>
    <message>
        <source>the program version</source>
        <translation>wersja programu</translation>
    </message>
    <message>
        <source>the date</source>
        <translation>data</translation>
    </message>
    <message>
        <source>the network flag</source>
        <translation>znacznik sieci</translation>
    </message>
    <message>
        <source>the settings</source>
        <translation>ustawienia</translation>
    </message>
    <message>
        <source>the names</source>
        <translation>nazwy</translation>
    </message>
    <message>
        <source>the ratings</source>
        <translation>rankingi</translation>
    </message>
    <message>
        <source>the end</source>
        <translation>koniec</translation>
    </message>
    <message>
        <source>the last tick</source>
        <translation>ostatni takt</translation>
    </message>
    <message>
        <source>the events</source>
        <translation>zdarzenia</translation>
    </message>
    <message>
        <source>the checks</source>
        <translation>sumy kontrolne gry</translation>
    </message>
    <message>
        <source>the final points</source>
        <translation>punkty końcowe</translation>
    </message>
    <message>
        <source>the order of deaths</source>
        <translation>kolejność śmierci</translation>
    </message>
    <message>
        <source>the result</source>
        <translation>wynik</translation>
    </message>
    <message>
        <source>%1. Install the same Slyders package, with its fonts, on both machines.</source>
        <translation>%1. Zainstaluj na obu komputerach ten sam pakiet Slyders razem z jego czcionkami.</translation>
    </message>
    <message>
        <source>Unknown address %1.</source>
        <translation>Nieznany adres: %1.</translation>
    </message>
    <message>
        <source>Port %1 is in use or cannot be opened.</source>
        <translation>Port %1 jest zajęty lub nie da się go otworzyć.</translation>
    </message>
    <message>
        <source>Port %1 and the %2 after it are in use or cannot be opened.</source>
        <translation>Port %1 i %2 kolejnych są zajęte lub nie da się ich otworzyć.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an address.</source>
        <translation>„%1” nie jest adresem.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a port (1 to 65535).</source>
        <translation>„%1” nie jest portem (od 1 do 65535).</translation>
    </message>
    <message>
        <source>no socket to look for games: %1</source>
        <translation>brak gniazda do szukania gier: %1</translation>
    </message>
    <message>
        <source>The replay could not be written to %1.</source>
        <translation>Nie udało się zapisać powtórki w %1.</translation>
    </message>
    <message>
        <source>The replay could not be kept: %1.</source>
        <translation>Nie udało się zachować powtórki: %1.</translation>
    </message>
    <message>
        <source>The replay %1 could not be read.</source>
        <translation>Nie udało się odczytać powtórki %1.</translation>
    </message>
    <message>
        <source>This replay is damaged: %1.</source>
        <translation>Ta powtórka jest uszkodzona: %1.</translation>
    </message>
    <message>
        <source>there is a value out of range in %1</source>
        <translation>wartość spoza zakresu (%1)</translation>
    </message>
    <message>
        <source>it ends inside %1</source>
        <translation>urywa się w środku pola (%1)</translation>
    </message>
    <message>
        <source>its arena side of %1 pixels is larger than any screen gives (at most %2)</source>
        <translation>jej arena o boku %1 pikseli jest większa niż jakikolwiek ekran (najwyżej %2)</translation>
    </message>
    <message>
        <source>its arena side of %1 pixels is smaller than any window gives (at least %2)</source>
        <translation>jej arena o boku %1 pikseli jest mniejsza niż jakiekolwiek okno (co najmniej %2)</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Between two reasons, each of which starts like a sentence of its own.</extracomment>
        <translation>. </translation>
    </message>
    <message>
        <source>not open</source>
        <translation>nie jest otwarta</translation>
    </message>
    <message>
        <source>it failed its check</source>
        <translation>nie przeszła sprawdzenia</translation>
    </message>
    <message>
        <source>it was written by another version of Slyders</source>
        <translation>zapisała ją inna wersja Slyders</translation>
    </message>
    <message>
        <source>its tables are not the game&apos;s</source>
        <translation>jej tabele nie należą do gry</translation>
    </message>
    <message>
        <source>The video&apos;s size must be even numbers from 160x120 to 7680x4320.</source>
        <translation>Rozmiar wideo musi składać się z liczb parzystych od 160x120 do 7680x4320.</translation>
    </message>
    <message>
        <source>The video must be at least 5:4 wide, for the scoreboard beside the arena.</source>
        <translation>Wideo musi mieć proporcje co najmniej 5:4, żeby obok areny zmieściła się tablica wyników.</translation>
    </message>
    <message>
        <source>The part to export must start at 0 s or later and end after it starts.</source>
        <translation>Eksportowany fragment musi zaczynać się od 0 s lub później i kończyć się po swoim początku.</translation>
    </message>
    <message>
        <source>A GIF holds at most 30 s: choose a shorter part, or WebM or MP4.</source>
        <translation>GIF mieści najwyżej 30 s: wybierz krótszy fragment albo WebM lub MP4.</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>Brak pamięci.</translation>
    </message>
    <message>
        <source>The sound cannot be converted for the encoder.</source>
        <translation>Nie da się przekształcić dźwięku dla kodera.</translation>
    </message>
    <message>
        <source>The picture cannot be scaled to the video&apos;s size.</source>
        <translation>Nie da się przeskalować obrazu do rozmiaru wideo.</translation>
    </message>
    <message>
        <source>The game history could not be opened at %1: %2.</source>
        <translation>Nie udało się otworzyć historii gier w %1: %2.</translation>
    </message>
    <message>
        <source>The game history could not be set up at %1: %2.</source>
        <translation>Nie udało się przygotować historii gier w %1: %2.</translation>
    </message>
    <message>
        <source>The game history could not take a game: %1.</source>
        <translation>Nie udało się dopisać gry do historii gier: %1.</translation>
    </message>
    <message>
        <source>The game history could not be changed: %1.</source>
        <translation>Nie udało się zmienić historii gier: %1.</translation>
    </message>
    <message>
        <source>The replay %1 could not be removed: %2.</source>
        <translation>Nie udało się usunąć powtórki %1: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no video name: it must end in .webm, .mp4 or .gif.</source>
        <translation>„%1” to nie jest nazwa wideo: musi kończyć się na .webm, .mp4 lub .gif.</translation>
    </message>
    <message>
        <source>Cannot write %1: there is no folder %2.</source>
        <translation>Nie można zapisać %1: nie ma folderu %2.</translation>
    </message>
    <message>
        <source>Cannot write %1: it is a folder.</source>
        <translation>Nie można zapisać %1: to jest folder.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Nie można zapisać %1: %2</translation>
    </message>
    <message>
        <source>Nothing to export: the game lasts %1 s.</source>
        <translation>Nie ma czego eksportować: gra trwa %1 s.</translation>
    </message>
    <message>
        <source>FFmpeg on this machine has no %1 encoder.</source>
        <translation>FFmpeg na tym komputerze nie ma kodera %1.</translation>
    </message>
    <message>
        <source>FFmpeg on this machine cannot write %1 files.</source>
        <translation>FFmpeg na tym komputerze nie umie zapisywać plików %1.</translation>
    </message>
    <message>
        <source>The %1 encoder refused the video: %2</source>
        <translation>Koder %1 odrzucił wideo: %2</translation>
    </message>
    <message>
        <source>The %1 encoder refused the sound: %2</source>
        <translation>Koder %1 odrzucił dźwięk: %2</translation>
    </message>
    <message>
        <source>The encoder stopped: %1</source>
        <translation>Koder przerwał pracę: %1</translation>
    </message>
    <message>
        <source>The video file cannot be written: %1</source>
        <translation>Nie można zapisać pliku wideo: %1</translation>
    </message>
    <message>
        <source>The server refused the game: a setting is out of its bounds.</source>
        <translation>Serwer odrzucił grę: jedno z ustawień wykracza poza dozwolony zakres.</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>Local</source>
        <translation>Lokalna</translation>
    </message>
    <message>
        <source>DEMO</source>
        <translation>DEMO</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Sieciowa</translation>
    </message>
    <message>
        <source>Network host</source>
        <translation>Sieciowa, gospodarz</translation>
    </message>
    <message>
        <source>Network guest</source>
        <translation>Sieciowa, gość</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Serwer</translation>
    </message>
</context>
<context>
    <name>KeyPairs</name>
    <message>
        <source>Left / Right</source>
        <translation>Lewo / Prawo</translation>
    </message>
    <message>
        <source>Ins / Del</source>
        <translation>Ins / Del</translation>
    </message>
    <message>
        <source>Custom keys %1</source>
        <translation>Własne klawisze %1</translation>
    </message>
    <message>
        <source>Gamepad %1 (%2)</source>
        <translation>Pad %1 (%2)</translation>
    </message>
    <message>
        <source>not connected</source>
        <translation>niepodłączony</translation>
    </message>
    <message>
        <source>none</source>
        <translation>brak</translation>
    </message>
</context>
<context>
    <name>KeyRefusals</name>
    <message>
        <source>This key cannot be read: please choose another key.</source>
        <translation>Tego klawisza nie da się odczytać: wybierz inny klawisz.</translation>
    </message>
    <message>
        <source>The key %1 belongs to the menu commands: please choose another key.</source>
        <translation>Klawisz %1 należy do poleceń menu: wybierz inny klawisz.</translation>
    </message>
    <message>
        <source>The key %1 is used by a seated player&apos;s key pair %2: please choose another key.</source>
        <translation>Klawisz %1 należy do pary %2 gracza, który zajął miejsce: wybierz inny klawisz.</translation>
    </message>
    <message>
        <source>The key %1 is already used by %2: please choose another key.</source>
        <translation>Klawisz %1 jest już zajęty (%2): wybierz inny klawisz.</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>The system&apos;s language</source>
        <translation>Język systemu</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>The game speaks this language from its next start:</source>
        <translation>Gra będzie mówić tym językiem od następnego uruchomienia:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Tak</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nie</translation>
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
        <translation>Załóż grę sieciową</translation>
    </message>
    <message>
        <source>Join network game</source>
        <translation>Dołącz do gry sieciowej</translation>
    </message>
    <message>
        <source>Waiting for %1...</source>
        <translation>Czekamy na: %1...</translation>
    </message>
    <message>
        <source>The host plays on an arena of %1 pixels; this window has room for %2.</source>
        <translation type="vanished">Gospodarz gra na arenie o boku %1 pikseli; w tym oknie mieści się %2.</translation>
    </message>
    <message>
        <source>Joined %1. Waiting for the host to start the game...</source>
        <translation>Połączono z %1. Czekamy, aż gospodarz rozpocznie grę...</translation>
    </message>
    <message>
        <source>Waiting for the host to start the next game...</source>
        <translation>Czekamy, aż gospodarz rozpocznie następną grę...</translation>
    </message>
    <message>
        <source>The host plays on an arena of %1 pixels; the game shows arenas of up to %2.</source>
        <translation>Gospodarz gra na arenie o boku %1 pikseli; gra pokazuje areny do %2.</translation>
    </message>
</context>
<context>
    <name>Panel</name>
    <message>
        <source>Game
points</source>
        <translation>Punkty
gry</translation>
    </message>
    <message>
        <source>Round
points</source>
        <translation>Punkty
rundy</translation>
    </message>
    <message>
        <source>Rounds
won</source>
        <translation>Wygrane
rundy</translation>
    </message>
    <message>
        <source>New game starts!</source>
        <translation>Nowa gra!</translation>
    </message>
    <message>
        <source>Wall</source>
        <translation>Ściana</translation>
    </message>
    <message>
        <source>Wall disaster!</source>
        <translation>Katastrofa ścian!</translation>
    </message>
    <message>
        <source>Void...</source>
        <translation>Pustka...</translation>
    </message>
    <message>
        <source>Void disaster!</source>
        <translation>Katastrofa pustki!</translation>
    </message>
    <message>
        <source>Where is the food?</source>
        <translation>Gdzie jest jedzenie?</translation>
    </message>
    <message>
        <source>Cruel mouse</source>
        <translation>Okrutna mysz</translation>
    </message>
    <message>
        <source>Scrolling...</source>
        <translation>Przewijanie...</translation>
    </message>
    <message>
        <source>Attractor</source>
        <translation>Atraktor</translation>
    </message>
    <message>
        <source>Attractor disaster!</source>
        <translation>Katastrofa atraktorów!</translation>
    </message>
    <message>
        <source>Tunnel</source>
        <translation>Tunel</translation>
    </message>
    <message>
        <source>Tunnel disaster!</source>
        <translation>Katastrofa tuneli!</translation>
    </message>
    <message>
        <source>%1 disappears!</source>
        <translation>%1 znika!</translation>
    </message>
    <message>
        <source>%1 left the game.</source>
        <translation>%1 wychodzi z gry.</translation>
    </message>
    <message>
        <source>%1, R.I.P.</source>
        <translation>%1, R.I.P.</translation>
    </message>
    <message>
        <source>This round won by %1!</source>
        <translation>%1 wygrywa tę rundę!</translation>
    </message>
    <message>
        <source>Waiting for %1...</source>
        <translation>Czekamy na: %1...</translation>
    </message>
    <message>
        <source>Watching room %1</source>
        <translation>Oglądasz pokój %1</translation>
    </message>
</context>
<context>
    <name>QShortcut</name>
    <message>
        <source>Left</source>
        <translation>Lewo</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Prawo</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Góra</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Dół</translation>
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
        <translation>Spacja</translation>
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
        <translation>Ogólne</translation>
    </message>
    <message>
        <source>Basic events</source>
        <translation>Podstawowe zdarzenia</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Zdarzenia</translation>
    </message>
    <message>
        <source>Disasters</source>
        <translation>Katastrofy</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Dźwięki</translation>
    </message>
    <message>
        <source>Produce sounds?</source>
        <translation>Odtwarzać dźwięki?</translation>
    </message>
    <message>
        <source>Save on exit</source>
        <translation>Zapis przy wyjściu</translation>
    </message>
    <message>
        <source>Save settings on exit?</source>
        <translation>Zapisywać ustawienia przy wyjściu?</translation>
    </message>
    <message>
        <source>Points in each round</source>
        <translation>Punkty w rundzie</translation>
    </message>
    <message>
        <source>How many points to finish a round?</source>
        <translation>Ile punktów kończy rundę?</translation>
    </message>
    <message>
        <source>Progress bars</source>
        <translation>Paski postępu</translation>
    </message>
    <message>
        <source>Show progress bars?</source>
        <translation>Pokazywać paski postępu?</translation>
    </message>
    <message>
        <source>Event names</source>
        <translation>Nazwy zdarzeń</translation>
    </message>
    <message>
        <source>Show event names?</source>
        <translation>Pokazywać nazwy zdarzeń?</translation>
    </message>
    <message>
        <source>Finish speed-up for computers</source>
        <translation>Szybki finisz komputerów</translation>
    </message>
    <message>
        <source>Increase speed when only computer players play?</source>
        <translation>Przyspieszać grę, gdy grają już tylko gracze komputerowi?</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Tło</translation>
    </message>
    <message>
        <source>Restart game to see the change.</source>
        <translation>Uruchom grę ponownie, aby zobaczyć zmianę.</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Czarne</translation>
    </message>
    <message>
        <source>Dark blue</source>
        <translation>Ciemnoniebieskie</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Niebieskie</translation>
    </message>
    <message>
        <source>Stripes</source>
        <translation>Paski</translation>
    </message>
    <message>
        <source>Color stripes</source>
        <translation>Kolorowe paski</translation>
    </message>
    <message>
        <source>Waves</source>
        <translation>Fale</translation>
    </message>
    <message>
        <source>Mesh</source>
        <translation>Siateczka</translation>
    </message>
    <message>
        <source>Jeans</source>
        <translation>Dżins</translation>
    </message>
    <message>
        <source>Green jeans</source>
        <translation>Zielony dżins</translation>
    </message>
    <message>
        <source>Diagonal stripes</source>
        <translation>Ukośne paski</translation>
    </message>
    <message>
        <source>Pattern 1</source>
        <translation>Wzór 1</translation>
    </message>
    <message>
        <source>Pattern 2</source>
        <translation>Wzór 2</translation>
    </message>
    <message>
        <source>Pattern 3</source>
        <translation>Wzór 3</translation>
    </message>
    <message>
        <source>Rings</source>
        <translation>Pierścienie</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Kratka</translation>
    </message>
    <message>
        <source>Small tiles</source>
        <translation>Małe płytki</translation>
    </message>
    <message>
        <source>Large tiles</source>
        <translation>Duże płytki</translation>
    </message>
    <message>
        <source>Tunnels</source>
        <translation>Tunele</translation>
    </message>
    <message>
        <source>Make tunnels near players?</source>
        <translation>Tworzyć tunele obok graczy?</translation>
    </message>
    <message>
        <source>Big gaps</source>
        <translation>Duże luki</translation>
    </message>
    <message>
        <source>Make extra big gaps?</source>
        <translation>Tworzyć bardzo duże luki?</translation>
    </message>
    <message>
        <source>Cruel mouse</source>
        <translation>Okrutna mysz</translation>
    </message>
    <message>
        <source>Enable cruel mouse pointer?</source>
        <translation>Włączyć okrutny wskaźnik myszy?</translation>
    </message>
    <message>
        <source>Walls</source>
        <translation>Ściany</translation>
    </message>
    <message>
        <source>Make walls?</source>
        <translation>Stawiać ściany?</translation>
    </message>
    <message>
        <source>Food</source>
        <translation>Jedzenie</translation>
    </message>
    <message>
        <source>Drop food to earn points just like while crossing gaps?</source>
        <translation>Rozrzucać jedzenie, które daje punkty tak jak przejazd przez luki?</translation>
    </message>
    <message>
        <source>Void</source>
        <translation>Pustka</translation>
    </message>
    <message>
        <source>Make empty areas while playing?</source>
        <translation>Tworzyć puste obszary w trakcie gry?</translation>
    </message>
    <message>
        <source>Attractors</source>
        <translation>Atraktory</translation>
    </message>
    <message>
        <source>Make attractors?</source>
        <translation>Tworzyć atraktory?</translation>
    </message>
    <message>
        <source>Invisibility</source>
        <translation>Niewidzialność</translation>
    </message>
    <message>
        <source>Enable temporary invisibility?</source>
        <translation>Włączyć chwilową niewidzialność?</translation>
    </message>
    <message>
        <source>Scrolling</source>
        <translation>Przewijanie</translation>
    </message>
    <message>
        <source>Scroll the arena?</source>
        <translation>Przewijać arenę?</translation>
    </message>
    <message>
        <source>Letters</source>
        <translation>Litery</translation>
    </message>
    <message>
        <source>Drop letters? (not yet implemented)</source>
        <translation>Rozrzucać litery? (jeszcze niedostępne)</translation>
    </message>
    <message>
        <source>Missiles</source>
        <translation>Pociski</translation>
    </message>
    <message>
        <source>Allow launching missiles? (not yet implemented)</source>
        <translation>Pozwolić na odpalanie pocisków? (jeszcze niedostępne)</translation>
    </message>
    <message>
        <source>Teleports</source>
        <translation>Teleporty</translation>
    </message>
    <message>
        <source>Make teleports? (not yet implemented)</source>
        <translation>Tworzyć teleporty? (jeszcze niedostępne)</translation>
    </message>
    <message>
        <source>Void disaster</source>
        <translation>Katastrofa pustki</translation>
    </message>
    <message>
        <source>Enable empty areas disaster?</source>
        <translation>Włączyć katastrofę pustych obszarów?</translation>
    </message>
    <message>
        <source>Tunnels disaster</source>
        <translation>Katastrofa tuneli</translation>
    </message>
    <message>
        <source>Enable tunnels disaster?</source>
        <translation>Włączyć katastrofę tuneli?</translation>
    </message>
    <message>
        <source>Walls disaster</source>
        <translation>Katastrofa ścian</translation>
    </message>
    <message>
        <source>Enable walls disaster?</source>
        <translation>Włączyć katastrofę ścian?</translation>
    </message>
    <message>
        <source>Attractors disaster</source>
        <translation>Katastrofa atraktorów</translation>
    </message>
    <message>
        <source>Enable attractors disaster?</source>
        <translation>Włączyć katastrofę atraktorów?</translation>
    </message>
    <message>
        <source>(integer %1÷%2)</source>
        <translation>(liczba całkowita %1÷%2)</translation>
    </message>
</context>
<context>
    <name>TMainWnd</name>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Open replay</source>
        <translation>Otwórz powtórkę</translation>
    </message>
    <message>
        <source>Slyders replays (*%1);;All files (*)</source>
        <translation>Powtórki Slyders (*%1);;Wszystkie pliki (*)</translation>
    </message>
</context>
<context>
    <name>WatchRoom</name>
    <message>
        <source>Watching room %1</source>
        <translation>Oglądasz pokój %1</translation>
    </message>
</context>
<context>
    <name>slyders::ExportVideoDialog</name>
    <message>
        <source>Export video</source>
        <translation>Eksportuj wideo</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Przeglądaj...</translation>
    </message>
    <message>
        <source>WebM (VP9 with Opus sound)</source>
        <translation>WebM (VP9 z dźwiękiem Opus)</translation>
    </message>
    <message>
        <source>MP4 (H.264 with AAC sound)</source>
        <translation>MP4 (H.264 z dźwiękiem AAC)</translation>
    </message>
    <message>
        <source>GIF (short clips, no sound)</source>
        <translation>GIF (krótkie klipy, bez dźwięku)</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>the end</source>
        <translation>koniec</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>P&amp;lik:</translation>
    </message>
    <message>
        <source>F&amp;ormat:</source>
        <translation>&amp;Format:</translation>
    </message>
    <message>
        <source>F&amp;rom:</source>
        <translation>&amp;Od:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Do:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Rozmiar:</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Eksportuj</translation>
    </message>
    <message>
        <source>WebM video (*.webm);;MP4 video (*.mp4);;GIF picture (*.gif)</source>
        <translation>Wideo WebM (*.webm);;Wideo MP4 (*.mp4);;Obrazek GIF (*.gif)</translation>
    </message>
    <message>
        <source>The size is two numbers such as 1280x720.</source>
        <translation>Rozmiar to dwie liczby, np. 1280x720.</translation>
    </message>
    <message>
        <source>Exporting...</source>
        <translation>Eksportowanie...</translation>
    </message>
    <message>
        <source>Saved: %1 s of video.</source>
        <translation>Zapisano: %1 s wideo.</translation>
    </message>
    <message>
        <source>Cancelled: no file was made.</source>
        <translation>Anulowano: nie utworzono pliku.</translation>
    </message>
    <message>
        <source>Not exported.</source>
        <translation>Nie wyeksportowano.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>slyders::HistoryWindow</name>
    <message>
        <source>Game history</source>
        <translation>Historia gier</translation>
    </message>
    <message>
        <source>&amp;Games</source>
        <translation>&amp;Gry</translation>
    </message>
    <message>
        <source>&amp;Statistics</source>
        <translation>&amp;Statystyki</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Rodzaj</translation>
    </message>
    <message>
        <source>Players and points</source>
        <translation>Gracze i punkty</translation>
    </message>
    <message>
        <source>Winner</source>
        <translation>Zwycięzca</translation>
    </message>
    <message>
        <source>Round won by</source>
        <translation>Rundy wygrane przez</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Czas</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Powtórka</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Gry</translation>
    </message>
    <message>
        <source>&amp;Player:</source>
        <translation>Gr&amp;acz:</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Rodzaj:</translation>
    </message>
    <message>
        <source>&amp;Watch</source>
        <translation>&amp;Obejrzyj</translation>
    </message>
    <message>
        <source>K&amp;eep</source>
        <translation>&amp;Zachowaj</translation>
    </message>
    <message>
        <source>E&amp;xport video...</source>
        <translation>&amp;Eksportuj wideo...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Usuń</translation>
    </message>
    <message>
        <source>Keep this replay for good: old replays are removed, kept ones stay.</source>
        <translation>Zachowaj tę powtórkę na stałe: stare powtórki są usuwane, zachowane zostają.</translation>
    </message>
    <message>
        <source>All players</source>
        <translation>Wszyscy gracze</translation>
    </message>
    <message>
        <source>All kinds</source>
        <translation>Wszystkie rodzaje</translation>
    </message>
    <message>
        <source>draw</source>
        <translation>remis</translation>
    </message>
    <message>
        <source>Kept for good</source>
        <translation>Zachowana na stałe</translation>
    </message>
    <message>
        <source>Keep this replay</source>
        <translation>Zachowaj tę powtórkę</translation>
    </message>
    <message>
        <source>Delete the replay of this game for good?</source>
        <translation>Usunąć na zawsze powtórkę tej gry?</translation>
    </message>
    <message>
        <source>Delete this replay</source>
        <translation>Usuń tę powtórkę</translation>
    </message>
    <message>
        <source>Games found: %1.</source>
        <translation>Znalezione gry: %1.</translation>
    </message>
    <message>
        <source>The game history could not be read (%1); it was made again from the replays in %2.</source>
        <translation>Nie udało się odczytać historii gier (%1); odtworzono ją z powtórek w %2.</translation>
    </message>
    <message>
        <source>The game history was not found; it was made again from the replays in %1.</source>
        <translation>Nie znaleziono historii gier; odtworzono ją z powtórek w %1.</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Gracz</translation>
    </message>
    <message>
        <source>P&amp;layer:</source>
        <translation>Gra&amp;cz:</translation>
    </message>
    <message>
        <source>Games played:</source>
        <translation>Rozegrane gry:</translation>
    </message>
    <message>
        <source>Games won:</source>
        <translation>Wygrane gry:</translation>
    </message>
    <message>
        <source>Rounds played:</source>
        <translation>Rozegrane rundy:</translation>
    </message>
    <message>
        <source>Rounds won:</source>
        <translation>Wygrane rundy:</translation>
    </message>
    <message>
        <source>Mean points per game:</source>
        <translation>Średnio punktów na grę:</translation>
    </message>
    <message>
        <source>Gaps crossed:</source>
        <translation>Przejechane luki:</translation>
    </message>
    <message>
        <source>Head to head</source>
        <translation>Pojedynki</translation>
    </message>
    <message>
        <source>Head to head (games with more points than the column&apos;s player, and with fewer):</source>
        <translation>Pojedynki (gry z większą liczbą punktów niż gracz z kolumny i z mniejszą):</translation>
    </message>
    <message>
        <source>Rating after each round played</source>
        <translation>Ranking po każdej rozegranej rundzie</translation>
    </message>
    <message>
        <source>No round finished yet</source>
        <translation>Jeszcze żadna runda się nie skończyła</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Ranking</translation>
    </message>
    <message numerus="yes">
        <source>%n game(s) together</source>
        <translation>
            <numerusform>%n wspólna gra</numerusform>
            <numerusform>%n wspólne gry</numerusform>
            <numerusform>%n wspólnych gier</numerusform>
        </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>slyders::KeysWindow</name>
    <message>
        <source>All players: hold both your keys at once. A key that stays dark while held cannot be read together with the others on this keyboard: choose another key pair for that seat.</source>
        <translation>Wszyscy gracze: przytrzymajcie jednocześnie oba swoje klawisze. Klawisz, który pozostaje ciemny, nie może być odczytany razem z innymi na tej klawiaturze: wybierzcie dla tego miejsca inną parę klawiszy.</translation>
    </message>
    <message>
        <source>left</source>
        <translation>lewo</translation>
    </message>
    <message>
        <source>right</source>
        <translation>prawo</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Klawisze</translation>
    </message>
    <message>
        <source> Custom keys </source>
        <translation> Własne klawisze </translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Wybierz...</translation>
    </message>
    <message>
        <source> Key test </source>
        <translation> Test klawiszy </translation>
    </message>
    <message>
        <source>Press the key for %1 of %2.</source>
        <translation>Naciśnij klawisz „%1” dla: %2.</translation>
    </message>
    <message>
        <source>%1 are now %2.</source>
        <translation>%1 to teraz %2.</translation>
    </message>
    <message>
        <source>Choosing cancelled: %1 stay %2.</source>
        <translation>Wybór anulowany: %1 pozostają %2.</translation>
    </message>
    <message>
        <source>Gamepad %1 %2</source>
        <translation>Pad %1 %2</translation>
    </message>
    <message>
        <source>Held together: %1</source>
        <translation>Trzymane razem: %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>brak</translation>
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
autorzy: zespół Slyders
Tallowin</translation>
    </message>
    <message>
        <source>Send E-mail to authors</source>
        <translation>Napisz do autorów</translation>
    </message>
    <message>
        <source>Read the Slyders guide: options, replays, network play and how to report a problem</source>
        <translation>Przeczytaj przewodnik po Slyders: opcje, powtórki, gra sieciowa i zgłaszanie problemów</translation>
    </message>
    <message>
        <source>Error opening HTML file</source>
        <translation>Błąd otwierania pliku HTML</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O grze</translation>
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
        <translation>WWW:</translation>
    </message>
</context>
<context>
    <name>slyders::THelpWnd</name>
    <message>
        <source>Gamepads: the d-pad, the left stick or the shoulder buttons turn left and right.</source>
        <translation>Pady: krzyżak, lewa gałka lub przyciski na ramionach skręcają w lewo i w prawo.</translation>
    </message>
    <message>
        <source>Own keys and a key test for all seats: Ctrl+P, then &quot;Keys...&quot;.</source>
        <translation>Własne klawisze i test klawiszy dla wszystkich miejsc: Ctrl+P, potem „Klawisze...”.</translation>
    </message>
    <message>
        <source>The main goal of Slyders is to score points while avoiding various dangers. You will quickly learn what is dangerous by playing with the computer opponent. Each player controls the slyder with two keys, one for turning left and the other for turning right. Generally, most solid objects should be avoided. To score points, you have to</source>
        <translation>Celem gry Slyders jest zdobywanie punktów i unikanie różnych niebezpieczeństw. Grając z komputerem, szybko nauczysz się, co jest groźne. Każdy gracz steruje swoim slyderem dwoma klawiszami: jednym skręca w lewo, drugim w prawo. Zasadniczo lepiej omijać wszystko, co twarde. Żeby zdobywać punkty, musisz</translation>
    </message>
    <message>
        <source>cross gray gaps</source>
        <translation>przejeżdżać przez szare luki</translation>
    </message>
    <message>
        <source> (one point for each gap),</source>
        <translation> (punkt za każdą lukę),</translation>
    </message>
    <message>
        <source>capture food</source>
        <translation>zbierać jedzenie</translation>
    </message>
    <message>
        <source> (one point for each piece of food),</source>
        <translation> (punkt za każdy kąsek),</translation>
    </message>
    <message>
        <source>eliminate opponents</source>
        <translation>eliminować przeciwników</translation>
    </message>
    <message>
        <source> (every survivor gets one point).</source>
        <translation> (każdy, kto przeżył, dostaje punkt).</translation>
    </message>
    <message>
        <source>Playing with the computer opponents can be very challenging. However, this game is especially exciting when played by two or more human players! You can customize the keyboard control settings in &quot;Set up human players...&quot; (Ctrl+P): each player chooses a key pair or a gamepad there, and &quot;Keys...&quot; sets your own keys and tests them.</source>
        <translation>Gra z komputerem potrafi być prawdziwym wyzwaniem. Najwięcej emocji daje jednak gra we dwóch lub więcej graczy! Sterowanie ustawisz w „Ustaw graczy...” (Ctrl+P): każdy gracz wybiera tam parę klawiszy lub pada, a w „Klawisze...” ustawisz własne klawisze i je przetestujesz.</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Jak grać</translation>
    </message>
    <message>
        <source>Available control keys:</source>
        <translation>Dostępne klawisze:</translation>
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
        <translation>&amp;Gra</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nowa</translation>
    </message>
    <message>
        <source>DEMO game</source>
        <translation>Gra DEMO</translation>
    </message>
    <message>
        <source>&amp;Watch last game</source>
        <translation>&amp;Obejrzyj ostatnią grę</translation>
    </message>
    <message>
        <source>&amp;Open replay...</source>
        <translation>Otwórz &amp;powtórkę...</translation>
    </message>
    <message>
        <source>&amp;Host network game...</source>
        <translation>&amp;Załóż grę sieciową...</translation>
    </message>
    <message>
        <source>&amp;Join network game...</source>
        <translation>&amp;Dołącz do gry sieciowej...</translation>
    </message>
    <message>
        <source>&amp;Clear current results...</source>
        <translation>&amp;Wyczyść bieżące wyniki...</translation>
    </message>
    <message>
        <source>&amp;Exit	Alt-F4</source>
        <translation>Za&amp;kończ	Alt-F4</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <translation>&amp;Gracze</translation>
    </message>
    <message>
        <source>Set up human players...</source>
        <translation>Ustaw graczy...</translation>
    </message>
    <message>
        <source>Display high scores</source>
        <translation>Pokaż najlepsze wyniki</translation>
    </message>
    <message>
        <source>&amp;No computer players</source>
        <translation>&amp;Bez graczy komputerowych</translation>
    </message>
    <message>
        <source>&amp;One computer player</source>
        <translation>&amp;Jeden gracz komputerowy</translation>
    </message>
    <message>
        <source>&amp;Two computer players</source>
        <translation>&amp;Dwóch graczy komputerowych</translation>
    </message>
    <message>
        <source>&amp;Computer</source>
        <translation>&amp;Komputer</translation>
    </message>
    <message>
        <source>&amp;Poor</source>
        <translation>&amp;Słaby</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>Ś&amp;redni</translation>
    </message>
    <message>
        <source>&amp;Good</source>
        <translation>&amp;Dobry</translation>
    </message>
    <message>
        <source>&amp;Expert</source>
        <translation>&amp;Ekspert</translation>
    </message>
    <message>
        <source>S&amp;peed</source>
        <translation>&amp;Szybkość</translation>
    </message>
    <message>
        <source>&amp;Slow</source>
        <translation>&amp;Wolno</translation>
    </message>
    <message>
        <source>&amp;Fast</source>
        <translation>Sz&amp;ybko</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Ustawienia</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>&amp;How to play</source>
        <translation>&amp;Jak grać</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O grze</translation>
    </message>
    <message>
        <source>&amp;Language...</source>
        <translation>&amp;Język...</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Pełny ekran</translation>
    </message>
    <message>
        <source>Clear current results? (high scores will not be affected)</source>
        <translation>Wyczyścić bieżące wyniki? (najlepsze wyniki zostaną)</translation>
    </message>
    <message>
        <source>Finish game?</source>
        <translation>Zakończyć grę?</translation>
    </message>
    <message>
        <source>Slyders (paused)</source>
        <translation>Slyders (pauza)</translation>
    </message>
    <message>
        <source>Exit Slyders?</source>
        <translation>Zakończyć Slyders?</translation>
    </message>
    <message>
        <source>E&amp;xport video...</source>
        <translation>&amp;Eksportuj wideo...</translation>
    </message>
    <message>
        <source>Game histor&amp;y...</source>
        <translation>&amp;Historia gier...</translation>
    </message>
    <message>
        <source>Play on a &amp;server...</source>
        <translation>Graj na &amp;serwerze...</translation>
    </message>
    <message>
        <source>Slyders (replay)</source>
        <translation>Slyders (powtórka)</translation>
    </message>
    <message>
        <source>Slyders (replay, paused)</source>
        <translation>Slyders (powtórka, pauza)</translation>
    </message>
    <message>
        <source>Slyders (network game)</source>
        <translation>Slyders (gra sieciowa)</translation>
    </message>
</context>
<context>
    <name>slyders::TParamWnd</name>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Zastosuj</translation>
    </message>
    <message>
        <source>Bounds warning</source>
        <translation>Wartość poza zakresem</translation>
    </message>
    <message>
        <source>Groups of settings</source>
        <translation>Grupy ustawień</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>%1 value (in &apos;%2&apos;) too small (adjusted to %3)</source>
        <translation>Wartość „%1” (w „%2”) za mała (poprawiono na %3)</translation>
    </message>
    <message>
        <source>%1 value (in &apos;%2&apos;) too big (adjusted to %3)</source>
        <translation>Wartość „%1” (w „%2”) za duża (poprawiono na %3)</translation>
    </message>
</context>
<context>
    <name>slyders::TPlayersMgr</name>
    <message>
        <source>One player</source>
        <translation>Jeden gracz</translation>
    </message>
    <message>
        <source>Two players</source>
        <translation>Dwóch graczy</translation>
    </message>
    <message>
        <source>Three players</source>
        <translation>Trzech graczy</translation>
    </message>
    <message>
        <source>Four players</source>
        <translation>Czterech graczy</translation>
    </message>
    <message>
        <source>Not a valid player name: must be unique and have at least two characters.</source>
        <translation>Nieprawidłowa nazwa gracza: musi być niepowtarzalna i mieć co najmniej dwa znaki.</translation>
    </message>
    <message>
        <source>The list of players is full: delete a player before adding a new one.</source>
        <translation>Lista graczy jest pełna: usuń gracza, zanim dodasz nowego.</translation>
    </message>
    <message>
        <source>Please select as many human players as you have chosen to play.</source>
        <translation>Wybierz tylu graczy, ilu ma grać.</translation>
    </message>
    <message>
        <source>Some player is selected twice - please correct.</source>
        <translation>Któryś gracz jest wybrany dwa razy – popraw to.</translation>
    </message>
    <message>
        <source>Some players use the same control keys - please correct.</source>
        <translation>Kilku graczy ma te same klawisze – popraw to.</translation>
    </message>
    <message>
        <source>%1    (rating = %2)</source>
        <translation>%1    (ranking = %2)</translation>
    </message>
    <message>
        <source>Set up human players</source>
        <translation>Ustaw graczy</translation>
    </message>
    <message>
        <source>Keys...</source>
        <translation>Klawisze...</translation>
    </message>
    <message>
        <source>Choose custom keys and test the keys of every seat</source>
        <translation>Wybierz własne klawisze i przetestuj klawisze każdego miejsca</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source> Currently playing </source>
        <translation> Teraz grają </translation>
    </message>
    <message>
        <source>Player name</source>
        <translation>Nazwa gracza</translation>
    </message>
    <message>
        <source>Used control keys</source>
        <translation>Używane klawisze</translation>
    </message>
    <message>
        <source>&amp;Colours:</source>
        <translation>&amp;Kolory:</translation>
    </message>
    <message>
        <source>Standard colours</source>
        <translation>Zwykłe kolory</translation>
    </message>
    <message>
        <source>Colour-blind safe</source>
        <translation>Dla daltonistów</translation>
    </message>
    <message>
        <source> Available players </source>
        <translation> Dostępni gracze </translation>
    </message>
    <message>
        <source>New player name:</source>
        <translation>Nazwa nowego gracza:</translation>
    </message>
    <message>
        <source>Enter the new player name here</source>
        <translation>Wpisz tu nazwę nowego gracza</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Click here to add a new player</source>
        <translation>Kliknij, aby dodać nowego gracza</translation>
    </message>
    <message>
        <source>Delete selected player</source>
        <translation>Usuń wybranego gracza</translation>
    </message>
    <message>
        <source>Select the player on the list above</source>
        <translation>Wybierz gracza z listy powyżej</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Gracz %1</translation>
    </message>
    <message>
        <source>Delete permanently player &apos;%1&apos; ?</source>
        <translation>Usunąć na zawsze gracza „%1”?</translation>
    </message>
    <message>
        <source>Available players</source>
        <translation>Dostępni gracze</translation>
    </message>
</context>
<context>
    <name>slyders::net::JoinDialog</name>
    <message>
        <source>Join network game</source>
        <translation>Dołącz do gry sieciowej</translation>
    </message>
    <message>
        <source>name or IP, optionally :port (%1)</source>
        <translation>nazwa lub IP, opcjonalnie :port (%1)</translation>
    </message>
    <message>
        <source>Host address:</source>
        <translation>Adres gospodarza:</translation>
    </message>
    <message>
        <source>Player:</source>
        <translation>Gracz:</translation>
    </message>
    <message>
        <source>a name not in the list yet</source>
        <translation>nazwa, której jeszcze nie ma na liście</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>New player:</source>
        <translation>Nowy gracz:</translation>
    </message>
    <message>
        <source>if the host set one</source>
        <translation>jeśli gospodarz je ustawił</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Hasło:</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>Dołącz</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Machine</source>
        <translation>Komputer</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Gracze</translation>
    </message>
    <message>
        <source>Free seats</source>
        <translation>Wolne miejsca</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Hasło</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adres</translation>
    </message>
    <message>
        <source>Looking for games on the local network...</source>
        <translation>Szukamy gier w sieci lokalnej...</translation>
    </message>
    <message>
        <source>needed</source>
        <translation>wymagane</translation>
    </message>
    <message>
        <source>none</source>
        <translation>brak</translation>
    </message>
    <message>
        <source>No game on the local network at the moment.</source>
        <translation>W sieci lokalnej nie ma teraz żadnej gry.</translation>
    </message>
    <message>
        <source>Games on the local network (double-click one to join):</source>
        <translation>Gry w sieci lokalnej (kliknij dwukrotnie, aby dołączyć):</translation>
    </message>
</context>
<context>
    <name>slyders::net::NetLobby</name>
    <message>
        <source>Host network game</source>
        <translation>Załóż grę sieciową</translation>
    </message>
    <message>
        <source>Machine</source>
        <translation>Komputer</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Gracze</translation>
    </message>
    <message>
        <source>Ping</source>
        <translation>Ping</translation>
    </message>
    <message>
        <source>none: anybody may join</source>
        <translation>brak: każdy może dołączyć</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Hasło:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Give your friends this address and port:
%1
port %2</source>
        <translation>Podaj znajomym ten adres i port:
%1
port %2</translation>
    </message>
    <message>
        <source>  or  </source>
        <translation>  lub  </translation>
    </message>
    <message>
        <source>Port %1 is busy: the game is at port %2.</source>
        <translation>Port %1 jest zajęty: gra działa na porcie %2.</translation>
    </message>
    <message>
        <source>this machine</source>
        <translation>ten komputer</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>1 seat is free.</source>
        <translation>Wolne miejsca: 1.</translation>
    </message>
    <message>
        <source>%1 seats are free.</source>
        <translation>Wolne miejsca: %1.</translation>
    </message>
    <message>
        <source>Input delay: 1 tick (%1 ms)</source>
        <translation>Opóźnienie sterowania w taktach: 1 (%1 ms)</translation>
    </message>
    <message>
        <source>Input delay: %1 ticks (%2 ms)</source>
        <translation>Opóźnienie sterowania w taktach: %1 (%2 ms)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Asking your router to open port %1 to the internet...</source>
        <translation>Prosimy router o otwarcie portu %1 do internetu...</translation>
    </message>
    <message>
        <source>Friends on the internet join %1 (your router opened it by %2).</source>
        <translation>Znajomi z internetu dołączają do %1 (router otworzył go przez %2).</translation>
    </message>
    <message>
        <source>Your router did not open port %1 to the internet: friends outside your home network can join only once the port is forwarded to this machine in the router&apos;s settings. Or all of you play through a Slyders server.</source>
        <translation>Router nie otworzył portu %1 do internetu: znajomi spoza twojej sieci domowej dołączą dopiero, gdy w ustawieniach routera przekierujesz ten port na ten komputer. Albo zagrajcie wszyscy przez serwer Slyders.</translation>
    </message>
    <message>
        <source>Machines in the game</source>
        <translation>Komputery w grze</translation>
    </message>
</context>
<context>
    <name>slyders::net::WaitWindow</name>
    <message>
        <source>Network game</source>
        <translation>Gra sieciowa</translation>
    </message>
    <message>
        <source>Leave</source>
        <translation>Wyjdź</translation>
    </message>
</context>
<context>
    <name>slyders::server::RoomLobby</name>
    <message>
        <source>Room on the server</source>
        <translation>Pokój na serwerze</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Leave</source>
        <translation>Wyjdź</translation>
    </message>
    <message>
        <source>Give your friends this code:</source>
        <translation>Podaj znajomym ten kod:</translation>
    </message>
    <message>
        <source>Players:</source>
        <translation>Gracze:</translation>
    </message>
    <message>
        <source>The server&apos;s best players:</source>
        <translation>Najlepsi gracze serwera:</translation>
    </message>
    <message numerus="yes">
        <source>%n watching</source>
        <translation>
            <numerusform>%n osoba ogląda</numerusform>
            <numerusform>%n osoby oglądają</numerusform>
            <numerusform>%n osób ogląda</numerusform>
        </translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Gracze</translation>
    </message>
    <message>
        <source>The server&apos;s best players</source>
        <translation>Najlepsi gracze serwera</translation>
    </message>
</context>
<context>
    <name>slyders::server::ServerDialog</name>
    <message>
        <source>Play on a server</source>
        <translation>Graj na serwerze</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Adres serwera</translation>
    </message>
    <message>
        <source>Room code</source>
        <translation>Kod pokoju</translation>
    </message>
    <message>
        <source>Server address:</source>
        <translation>Adres serwera:</translation>
    </message>
    <message>
        <source>Room code:</source>
        <translation>Kod pokoju:</translation>
    </message>
    <message>
        <source>Create room</source>
        <translation>Utwórz pokój</translation>
    </message>
    <message>
        <source>Join room</source>
        <translation>Dołącz do pokoju</translation>
    </message>
    <message>
        <source>Watch room</source>
        <translation>Oglądaj pokój</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
</TS>
