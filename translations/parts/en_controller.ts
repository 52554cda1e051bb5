<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="pl_PL">
<context>
    <name>BoundedLog</name>
    <message>
        <source>… starsze linie usunięte (zachowano ostatnie %1)</source>
        <translation>… older lines removed (last %1 kept)</translation>
    </message>
</context>
<context>
    <name>ControllerEmu</name>
    <message>
        <source>to katalog</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>to nie dowiązanie</source>
        <translation>it is not a symbolic link</translation>
    </message>
    <message>
        <source>to dowiązanie do %1</source>
        <translation>it is a link to %1</translation>
    </message>
    <message>
        <source>Emulator sterownika ramienia SCARA na pseudoterminalu: potwierdza każdą poprawną ramkę, zapisuje każdą ramkę z oceną.</source>
        <translation>SCARA arm controller emulator on a pseudo-terminal: acknowledges every valid frame, logs every frame with its verdict.</translation>
    </message>
    <message>
        <source>Tworzy dowiązanie symboliczne PATH do linii (zastępuje tylko dowiązanie martwe lub do pseudoterminala).</source>
        <translation>Creates a symbolic link PATH to the line (replaces only a dead link or a link to a pseudo-terminal).</translation>
    </message>
    <message>
        <source>Adres sterownika (domyślnie 05).</source>
        <translation>Controller address (default 05).</translation>
    </message>
    <message>
        <source>Opóźnienie potwierdzenia w ms.</source>
        <translation>Acknowledgement delay in ms.</translation>
    </message>
    <message>
        <source>Tempo obu kierunków jak na linii o tej prędkości.</source>
        <translation>Paces both directions as a line at this baud rate would.</translation>
    </message>
    <message>
        <source>Pomija co N-te potwierdzenie.</source>
        <translation>Leaves out every Nth acknowledgement.</translation>
    </message>
    <message>
        <source>Wysyła co N-te potwierdzenie dwukrotnie.</source>
        <translation>Sends every Nth acknowledgement twice.</translation>
    </message>
    <message>
        <source>Wysyła wiersz szumu przed co N-tym potwierdzeniem.</source>
        <translation>Sends a line of noise before every Nth acknowledgement.</translation>
    </message>
    <message>
        <source>Wysyła każde potwierdzenie w trzech kawałkach.</source>
        <translation>Sends each acknowledgement in three pieces.</translation>
    </message>
    <message>
        <source>Nie zapisuje ramek.</source>
        <translation>Does not log frames.</translation>
    </message>
    <message>
        <source>Dopisuje do pliku FILE każdy potwierdzony wiersz programu, po kolei (co sterownik wykonał).</source>
        <translation>Appends every acknowledged program line to FILE, in order (what the controller executed).</translation>
    </message>
    <message>
        <source>Nie można utworzyć dowiązania %1: %2 (usuń je lub wybierz inną ścieżkę)</source>
        <translation>Cannot create link %1: %2 (remove it or choose another path)</translation>
    </message>
    <message>
        <source>Nie można utworzyć dowiązania %1</source>
        <translation>Cannot create link %1</translation>
    </message>
</context>
<context>
    <name>ControllerEmulator</name>
    <message>
        <source>Nie można otworzyć pliku %1: %2</source>
        <translation>Cannot open file %1: %2</translation>
    </message>
    <message>
        <source>potwierdzenie pominięte</source>
        <translation>acknowledgement left out</translation>
    </message>
    <message>
        <source>potwierdzono</source>
        <translation>acknowledged</translation>
    </message>
    <message>
        <source>potwierdzono dwukrotnie</source>
        <translation>acknowledged twice</translation>
    </message>
</context>
<context>
    <name>FrameCheck</name>
    <message>
        <source>ok</source>
        <translation>ok</translation>
    </message>
    <message>
        <source>brak znaku początku</source>
        <translation>no start character</translation>
    </message>
    <message>
        <source>obcy adres</source>
        <translation>another address</translation>
    </message>
    <message>
        <source>nieznany kod funkcji</source>
        <translation>unknown function code</translation>
    </message>
    <message>
        <source>nieznane polecenie</source>
        <translation>unknown command</translation>
    </message>
    <message>
        <source>za krótka ramka</source>
        <translation>frame too short</translation>
    </message>
    <message>
        <source>zła suma kontrolna</source>
        <translation>bad checksum</translation>
    </message>
    <message>
        <source>brak CR przed LF</source>
        <translation>no CR before LF</translation>
    </message>
    <message>
        <source>za długa ramka</source>
        <translation>frame too long</translation>
    </message>
</context>
<context>
    <name>JournalKeeper</name>
    <message>
        <source>brak dostępu do blokady</source>
        <translation>no access to the lock</translation>
    </message>
</context>
<context>
    <name>JournalTexts</name>
    <message>
        <source>Nie można odczytać dziennika wysyłania %1: %2</source>
        <translation>Cannot read the sending journal %1: %2</translation>
    </message>
    <message>
        <source>Dziennik wysyłania %1 jest niepełny</source>
        <translation>The sending journal %1 is incomplete</translation>
    </message>
    <message>
        <source>Dziennik wysyłania %1 jest uszkodzony</source>
        <translation>The sending journal %1 is damaged</translation>
    </message>
    <message>
        <source>Dziennik wysyłania %1 pochodzi z innej wersji programu (wersja %2)</source>
        <translation>The sending journal %1 comes from another version of the program (version %2)</translation>
    </message>
    <message>
        <source>Dziennik wysyłania %1 wskazuje plik %2, którego już nie ma</source>
        <translation>The sending journal %1 names the file %2, which no longer exists</translation>
    </message>
    <message>
        <source>Program różni się od wysyłanego według dziennika %1: wznowienie odrzucone</source>
        <translation>The program differs from the one sent according to the journal %1: resume refused</translation>
    </message>
    <message>
        <source>Dziennik odłożono jako %1</source>
        <translation>The journal was set aside as %1</translation>
    </message>
    <message>
        <source>Nie można zapisać dziennika wysyłania %1: %2</source>
        <translation>Cannot write the sending journal %1: %2</translation>
    </message>
    <message>
        <source>Dziennik wysyłania %1 jest używany przez inny proces</source>
        <translation>The sending journal %1 is in use by another process</translation>
    </message>
    <message>
        <source>Według dziennika %1 program został wysłany w całości</source>
        <translation>According to the journal %1 the whole program has been sent</translation>
    </message>
</context>
<context>
    <name>LinkTexts</name>
    <message>
        <source>Rozłączono</source>
        <translation>Disconnected</translation>
    </message>
    <message>
        <source>Połączono</source>
        <translation>Connected</translation>
    </message>
    <message>
        <source>Brak punktu referencyjnego</source>
        <translation>No reference point</translation>
    </message>
    <message>
        <source>Jazda do punktu ref.</source>
        <translation>Homing</translation>
    </message>
    <message>
        <source>Jazda ref. zakonczona</source>
        <translation>Homing finished</translation>
    </message>
    <message>
        <source>Sterowanie automatyczne</source>
        <translation>Automatic control</translation>
    </message>
    <message>
        <source>Sterowanie ręczne</source>
        <translation>Manual control</translation>
    </message>
    <message>
        <source>Wysyłanie programu zakończone</source>
        <translation>Sending the program finished</translation>
    </message>
    <message>
        <source>SCARA</source>
        <translation>SCARA</translation>
    </message>
    <message>
        <source>Wysyłanie programu przerwane w linii %1</source>
        <translation>Sending the program aborted at line %1</translation>
    </message>
    <message>
        <source>Brak połączenia ze sterownikiem: połącz się, aby wznowić wysyłanie</source>
        <translation>No connection to the controller: connect to resume sending</translation>
    </message>
</context>
<context>
    <name>PortSelectors</name>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation>List index out of bounds (%1)</translation>
    </message>
</context>
<context>
    <name>SerialError</name>
    <message>
        <source>Unable to open com port</source>
        <translation>Unable to open com port</translation>
    </message>
    <message>
        <source>WriteFile function failed</source>
        <translation>WriteFile function failed</translation>
    </message>
    <message>
        <source>ReadFile function failed</source>
        <translation>ReadFile function failed</translation>
    </message>
    <message>
        <source>Invalid Async parameter</source>
        <translation>Invalid Async parameter</translation>
    </message>
    <message>
        <source>PurgeComm function failed</source>
        <translation>PurgeComm function failed</translation>
    </message>
    <message>
        <source>Unable to get async status</source>
        <translation>Unable to get async status</translation>
    </message>
    <message>
        <source>SetCommState function failed</source>
        <translation>SetCommState function failed</translation>
    </message>
    <message>
        <source>SetCommTimeouts failed</source>
        <translation>SetCommTimeouts failed</translation>
    </message>
    <message>
        <source>SetupComm function failed</source>
        <translation>SetupComm function failed</translation>
    </message>
    <message>
        <source>ClearCommError function failed</source>
        <translation>ClearCommError function failed</translation>
    </message>
    <message>
        <source>GetCommModemStatus function failed</source>
        <translation>GetCommModemStatus function failed</translation>
    </message>
    <message>
        <source>EscapeCommFunction function failed</source>
        <translation>EscapeCommFunction function failed</translation>
    </message>
    <message>
        <source>TransmitCommChar function failed</source>
        <translation>TransmitCommChar function failed</translation>
    </message>
    <message>
        <source>Cannot set property while connected</source>
        <translation>Cannot set property while connected</translation>
    </message>
    <message>
        <source>EnumPorts function failed</source>
        <translation>EnumPorts function failed</translation>
    </message>
    <message>
        <source>Failed to store settings</source>
        <translation>Failed to store settings</translation>
    </message>
    <message>
        <source>Failed to load settings</source>
        <translation>Failed to load settings</translation>
    </message>
    <message>
        <source>Link (un)registration failed</source>
        <translation>Link (un)registration failed</translation>
    </message>
    <message>
        <source>Cannot change led state if ComPort is selected</source>
        <translation>Cannot change led state if ComPort is selected</translation>
    </message>
    <message>
        <source>Cannot wait for event if event thread is created</source>
        <translation>Cannot wait for event if event thread is created</translation>
    </message>
    <message>
        <source>WaitForEvent method failed</source>
        <translation>WaitForEvent method failed</translation>
    </message>
    <message>
        <source>A component is linked to OnRxBuf event</source>
        <translation>A component is linked to OnRxBuf event</translation>
    </message>
    <message>
        <source>Registry error</source>
        <translation>Registry error</translation>
    </message>
    <message>
        <source>%1 (win error code: %2)</source>
        <translation>%1 (win error code: %2)</translation>
    </message>
    <message>
        <source>%1 (os error code: %2)</source>
        <translation>%1 (os error code: %2)</translation>
    </message>
    <message>
        <source>Unable to open com port &quot;%1&quot;</source>
        <translation>Unable to open com port &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>TransferJournal</name>
    <message>
        <source>zmiana nazwy nie powiodła się</source>
        <translation>renaming failed</translation>
    </message>
    <message>
        <source>brak pliku</source>
        <translation>no such file</translation>
    </message>
    <message>
        <source>nie można usunąć</source>
        <translation>cannot remove it</translation>
    </message>
</context>
<context>
    <name>TransferPanel</name>
    <message>
        <source>Brak programu do wysłania</source>
        <translation>No program to send</translation>
    </message>
    <message>
        <source>Potwierdzone linie: %1 z %2 (%3%)   Linii na sekundę: %4   Ponowienia: %5   Czas: %6   Pozostało: %7</source>
        <translation>Acknowledged lines: %1 of %2 (%3%)   Lines per second: %4   Re-sends: %5   Time: %6   Left: %7</translation>
    </message>
    <message>
        <source>Wysyłanie wstrzymane przed linią %1, pisak podniesiony. Wybierz &quot;Wznów wysyłanie&quot;.</source>
        <translation>Sending held before line %1, pen lifted. Choose &quot;Resume sending&quot;.</translation>
    </message>
    <message>
        <source>Wysyłanie wstrzymane przed linią %1, pisak podniesiony w miejscu zatrzymania. Wybierz &quot;Wznów wysyłanie&quot;.</source>
        <translation>Sending held before line %1, pen lifted where it stopped. Choose &quot;Resume sending&quot;.</translation>
    </message>
    <message>
        <source>Zmiana pisaka: wysyłanie wstrzymane przed linią %1, pisak podniesiony. Załóż następny pisak i wybierz &quot;Wznów wysyłanie&quot;.</source>
        <translation>Pen change: sending held before line %1, pen lifted. Put on the next pen and choose &quot;Resume sending&quot;.</translation>
    </message>
    <message>
        <source>Wysyłanie wstrzymane w linii %1: połączenie przerwane. Połącz ponownie i wybierz &quot;Wznów wysyłanie&quot;.</source>
        <translation>Sending held at line %1: connection lost. Connect again and choose &quot;Resume sending&quot;.</translation>
    </message>
    <message>
        <source>Brak potwierdzenia od %1 s (linia %2, %3 ponowień). Możesz przerwać wysyłanie.</source>
        <translation>No acknowledgement for %1 s (line %2, %3 re-sends). You can abort sending.</translation>
    </message>
    <message>
        <source>Przejazd z podniesionym pisakiem przed linią %1</source>
        <translation>Pen-up travel before line %1</translation>
    </message>
    <message>
        <source>Wysyłanie linii %1</source>
        <translation>Sending line %1</translation>
    </message>
    <message>
        <source>Brak potwierdzenia od %1 s (linia %2, %3 ponowień)</source>
        <translation>No acknowledgement for %1 s (line %2, %3 re-sends)</translation>
    </message>
    <message>
        <source>Wysyłanie: %1 z %2 (%3%), pozostało %4</source>
        <translation>Sending: %1 of %2 (%3%), %4 left</translation>
    </message>
</context>
<context>
    <name>WireTrace</name>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Cannot create file &quot;%1&quot;. %2</translation>
    </message>
</context>
</TS>
