<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="pl_PL">
<context>
    <name>AboutPanel</name>
    <message>
        <source>SCARA</source>
        <translation>SCARA</translation>
    </message>
    <message>
        <source>Stacja sterowania</source>
        <translation>Control station</translation>
    </message>
    <message>
        <source>manipulatorem typu SCARA</source>
        <translation>for a SCARA arm</translation>
    </message>
    <message>
        <source>z pisakiem</source>
        <translation>with a pen</translation>
    </message>
    <message>
        <source>wersja 0.1</source>
        <translation>version 0.1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>AppMessages</name>
    <message>
        <source>Floating point division by zero</source>
        <translation>Floating point division by zero</translation>
    </message>
    <message>
        <source>Floating point overflow</source>
        <translation>Floating point overflow</translation>
    </message>
    <message>
        <source>Program jest wysyłany do sterownika. Można go zmienić po zakończeniu albo przerwaniu wysyłania.</source>
        <translation>The program is being sent to the controller. It can be changed once sending has finished or been aborted.</translation>
    </message>
    <message>
        <source>Przebieg transmisji zapisywany w pliku %1</source>
        <translation>Wire trace being written to the file %1</translation>
    </message>
    <message>
        <source>Program jest wysyłany do sterownika. Zakończyć mimo to? Wysyłanie zostanie przerwane bez podniesienia pisaka.</source>
        <translation>The program is being sent to the controller. Quit anyway? Sending will be aborted without a pen lift.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; nie jest liczbą dodatnią</source>
        <translation>&apos;%1&apos; is not a positive number</translation>
    </message>
    <message>
        <source>Użycie: %1 [OPCJE] [PLIK...]
Stacja sterowania manipulatorem SCARA.

Otwiera podane pliki według ich zawartości i rozszerzenia: program w G-kodzie,
plik HPGL (w konwerterze) albo rysunek SVG.

Opcje:
  -h, --help     wyświetla tę pomoc i kończy
  -v, --version  wyświetla wersję i kończy
  --             kończy opcje (dalej same nazwy plików)
</source>
        <translation>Usage: %1 [OPTIONS] [FILE...]
Control station for a SCARA arm.

Opens the given files by their content and extension: a G-code program,
an HPGL file (in the converter) or an SVG drawing.

Options:
  -h, --help     shows this help and exits
  -v, --version  shows the version and exits
  --             ends the options (only file names follow)
</translation>
    </message>
    <message>
        <source>Nieznana opcja: &apos;%1&apos;</source>
        <translation>Unknown option: &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Ta wersja stacji nie importuje jeszcze rysunków SVG</source>
        <translation>This version of the station does not import SVG drawings yet</translation>
    </message>
    <message>
        <source>Plik &apos;%1&apos; nie istnieje</source>
        <translation>The file &apos;%1&apos; does not exist</translation>
    </message>
    <message>
        <source>(brak)</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>Wyczyść listę</source>
        <translation>Clear list</translation>
    </message>
    <message>
        <source>Program ma niezapisane zmiany. Zapisać je?</source>
        <translation>The program has unsaved changes. Save them?</translation>
    </message>
    <message>
        <source>Zapisz</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Nie zapisuj</source>
        <translation>Don&apos;t save</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Przywrócić ustawienia domyślne? Port, ustawienia programu, kolory i ustawienia konwertera wrócą do wartości z pierwszego uruchomienia.</source>
        <translation>Restore the default settings? The port, the program settings, the colours and the converter settings will go back to their values at the first start.</translation>
    </message>
    <message>
        <source>Nie udało się zapisać ustawień w pliku &apos;%1&apos;</source>
        <translation>Could not save the settings to the file &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Plik %1 nie został otwarty: błąd w linii %2: %3</source>
        <translation>The file %1 was not opened: an error in line %2: %3</translation>
    </message>
    <message>
        <source>Bloki poza zasięgiem manipulatora: %1 (lista pod rysunkiem)</source>
        <translation>Blocks beyond the arm&apos;s reach: %1 (listed under the plot)</translation>
    </message>
    <message>
        <source>Poza zasięgiem: %1</source>
        <translation>Beyond reach: %1</translation>
    </message>
    <message>
        <source>Obszar zabroniony: %1, oś Y: %2</source>
        <translation>Forbidden zone: %1, Y axis: %2</translation>
    </message>
    <message>
        <source>Ruchy przez obszar zabroniony: %1, przejścia łokcia przez oś Y: %2 (lista pod rysunkiem)</source>
        <translation>Moves through the forbidden zone: %1, elbow crossings of the Y axis: %2 (listed under the plot)</translation>
    </message>
</context>
<context>
    <name>BoundedLog</name>
    <message>
        <source>… starsze linie usunięte (zachowano ostatnie %1)</source>
        <translation>… older lines removed (last %1 kept)</translation>
    </message>
</context>
<context>
    <name>CalibrationDialog</name>
    <message>
        <source>Bez kalibracji</source>
        <translation>No calibration</translation>
    </message>
    <message>
        <source>Kalibracja: L1 %1 L2 %2 k1 %3 k2 %4 o2 %5°</source>
        <translation>Calibration: L1 %1 L2 %2 k1 %3 k2 %4 o2 %5°</translation>
    </message>
    <message>
        <source>Zastosuj</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Kalibracja ramienia</source>
        <translation>Arm calibration</translation>
    </message>
    <message>
        <source>1. Wczytaj wzór do programu i wyślij go do ramienia.
2. Zmierz linijką odległość między środkami narysowanych krzyżyków każdej pary i wpisz ją w tabeli (mm).
3. Dopasuj, sprawdź wartości i reszty, i zastosuj kalibrację.</source>
        <translation>1. Load the pattern into the program and send it to the arm.
2. Measure with a ruler the distance between the centres of the drawn crosses of each pair and type it into the table (mm).
3. Fit, check the values and the residuals, and apply the calibration.</translation>
    </message>
    <message>
        <source>Krzyżyk</source>
        <translation>Cross</translation>
    </message>
    <message>
        <source>Zmierzono [mm]</source>
        <translation>Measured [mm]</translation>
    </message>
    <message>
        <source>Reszta [mm]</source>
        <translation>Residual [mm]</translation>
    </message>
    <message>
        <source>Wczytaj wzór do programu</source>
        <translation>Load the pattern into the program</translation>
    </message>
    <message>
        <source>Dopasuj</source>
        <translation>Fit</translation>
    </message>
    <message>
        <source>Wiersz %1: &apos;%2&apos; nie jest odległością w milimetrach</source>
        <translation>Row %1: &apos;%2&apos; is not a distance in millimetres</translation>
    </message>
    <message>
        <source>%1
niepewność: L1 ±%2 mm, L2 ±%3 mm, k1 ±%4, k2 ±%5, o2 ±%6°; reszty: %7 mm (średnia kwadratowa)</source>
        <translation>%1
uncertainty: L1 ±%2 mm, L2 ±%3 mm, k1 ±%4, k2 ±%5, o2 ±%6°; residuals: %7 mm (root mean square)</translation>
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
    <name>ControllerSettingsPage</name>
    <message>
        <source>Minimalny kąt obrotu silnika:</source>
        <translation>Minimum motor step angle:</translation>
    </message>
    <message>
        <source>Rozdzielczosc mikrokroku:</source>
        <translation>Microstep resolution:</translation>
    </message>
    <message>
        <source>Przekładnia</source>
        <translation>Gear ratio</translation>
    </message>
    <message>
        <source>Minimalny ruch:</source>
        <translation>Minimum move:</translation>
    </message>
    <message>
        <source>Minimalny kąt interpolacji:</source>
        <translation>Minimum interpolation angle:</translation>
    </message>
    <message>
        <source>Ilosc bledow rozdzielczosci</source>
        <translation>Resolution errors</translation>
    </message>
    <message>
        <source>Adres sterownika</source>
        <translation>Controller address</translation>
    </message>
    <message>
        <source>Wysokosc Z dla G00:</source>
        <translation>Z height for G00:</translation>
    </message>
    <message>
        <source>Wysokosc Z dla G01:</source>
        <translation>Z height for G01:</translation>
    </message>
    <message>
        <source>Obszar zabroniony:</source>
        <translation>Forbidden zone:</translation>
    </message>
    <message>
        <source>Obrót ramienia 1 o kąt:</source>
        <translation>Turn arm 1 by angle:</translation>
    </message>
    <message>
        <source>Obrót ramienia 2 o kąt:</source>
        <translation>Turn arm 2 by angle:</translation>
    </message>
    <message>
        <source>Zmiana położenia osi Z o:</source>
        <translation>Move Z axis by:</translation>
    </message>
    <message>
        <source>Wyslij</source>
        <translation>Send</translation>
    </message>
    <message>
        <source>Sterowanie ręczne</source>
        <translation>Manual control</translation>
    </message>
    <message>
        <source>Korekta wysokosci:</source>
        <translation>Height correction:</translation>
    </message>
    <message>
        <source>Ustaw bieżącą pozycję jako odn.</source>
        <translation>Set current position as ref.</translation>
    </message>
</context>
<context>
    <name>ConversionMessages</name>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; is not a valid floating point value</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; is not a valid integer value</translation>
    </message>
</context>
<context>
    <name>ConverterSettingsPages</name>
    <message>
        <source>Ustawienia wysokosci</source>
        <translation>Height settings</translation>
    </message>
    <message>
        <source>Ustawienia g-kodu</source>
        <translation>G-code settings</translation>
    </message>
    <message>
        <source>Normalizacja HPGL</source>
        <translation>HPGL normalisation</translation>
    </message>
    <message>
        <source>Pisak %1</source>
        <translation>Pen %1</translation>
    </message>
    <message>
        <source>Numeracja linii:</source>
        <translation>Line numbering:</translation>
    </message>
    <message>
        <source>Od:</source>
        <translation>From:</translation>
    </message>
    <message>
        <source>Do:</source>
        <translation>To:</translation>
    </message>
    <message>
        <source>Dodaj na początku:</source>
        <translation>Add at the start:</translation>
    </message>
    <message>
        <source>Dodaj na końcu:</source>
        <translation>Add at the end:</translation>
    </message>
    <message>
        <source>Kąt cięciwy łuków [°]:</source>
        <translation>Arc chord angle [°]:</translation>
    </message>
    <message>
        <source>Margines obszaru roboczego:</source>
        <translation>Working area margin:</translation>
    </message>
</context>
<context>
    <name>ConverterWindow</name>
    <message>
        <source>HPGL -&gt; GCODE </source>
        <translation>HPGL -&gt; GCODE </translation>
    </message>
    <message>
        <source>Plik</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Otwórz plik hpgl</source>
        <translation>Open HPGL file</translation>
    </message>
    <message>
        <source>Zapisz g-kod</source>
        <translation>Save G-code</translation>
    </message>
    <message>
        <source>Zakończ</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Konwersja</source>
        <translation>Convert</translation>
    </message>
    <message>
        <source>Wyczysc wszystko</source>
        <translation>Clear all</translation>
    </message>
    <message>
        <source>Kopiuj g-kod do schowka</source>
        <translation>Copy G-code to clipboard</translation>
    </message>
    <message>
        <source>Ustawienia</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Normalizuj HPGL</source>
        <translation>Normalise HPGL</translation>
    </message>
    <message>
        <source>Dopasuj do obszaru roboczego</source>
        <translation>Fit to working area</translation>
    </message>
    <message>
        <source>Optymalizuj</source>
        <translation>Optimise</translation>
    </message>
    <message>
        <source>Wstaw do programu</source>
        <translation>Insert into program</translation>
    </message>
    <message>
        <source>hp-gl (*.plt *.hpgl *.hpg)</source>
        <translation>HPGL (*.plt *.hpgl *.hpg)</translation>
    </message>
    <message>
        <source>Wszystkie pliki (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>g-code (*.nc)</source>
        <translation>G-code (*.nc)</translation>
    </message>
    <message>
        <source>Brak g-kodu do wstawienia; najpierw wykonaj konwersję</source>
        <translation>No G-code to insert; convert first</translation>
    </message>
    <message>
        <source>Normalizacja HPGL potrafi odczytać ten plik. Znormalizować go teraz?</source>
        <translation>HPGL normalisation can read this file. Normalise it now?</translation>
    </message>
    <message>
        <source>Normalizuj</source>
        <translation>Normalise</translation>
    </message>
    <message>
        <source>Normalizuj i dopasuj</source>
        <translation>Normalise and fit</translation>
    </message>
    <message>
        <source>Nie</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>DrawingProgram</name>
    <message>
        <source>Linie: %1 -&gt; %2</source>
        <translation>Lines: %1 -&gt; %2</translation>
    </message>
    <message>
        <source>Droga rysowania: %1 -&gt; %2</source>
        <translation>Drawing distance: %1 -&gt; %2</translation>
    </message>
    <message>
        <source>Droga z podniesionym pisakiem: %1 -&gt; %2</source>
        <translation>Distance with the pen up: %1 -&gt; %2</translation>
    </message>
    <message>
        <source>Podniesienia pisaka: %1 -&gt; %2</source>
        <translation>Pen lifts: %1 -&gt; %2</translation>
    </message>
    <message>
        <source>Przejścia łokcia z opuszczonym pisakiem: %1 -&gt; %2</source>
        <translation>Elbow swings with the pen down: %1 -&gt; %2</translation>
    </message>
    <message>
        <source>Czas przesyłania: %1 -&gt; %2</source>
        <translation>Sending time: %1 -&gt; %2</translation>
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
    <name>GcodeMessages</name>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation>List index out of bounds (%1)</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Cannot open file &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Cannot create file &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>W bloku %1 nastapiło dodatnie do pozycji Y wartosci %2</source>
        <translation>In block %1 the value %2 was added to the Y position</translation>
    </message>
    <message>
        <source>W bloku %1 nastapiło dodatnie do pozycji x wartosci %2</source>
        <translation>In block %1 the value %2 was added to the x position</translation>
    </message>
    <message>
        <source>W bloku %1 nastapiło przekroczenie zasięgu manipulatora:</source>
        <translation>In block %1 the arm&apos;s reach was exceeded:</translation>
    </message>
    <message>
        <source>W bloku %1 ruch wchodzi w obszar zabroniony (odległość od podstawy %2)</source>
        <translation>In block %1 the move enters the forbidden zone (distance from the base %2)</translation>
    </message>
    <message>
        <source>W bloku %1 ruch przecina oś Y z opuszczonym pisakiem: łokieć przerzuca się</source>
        <translation>In block %1 the move crosses the Y axis with the pen down: the elbow swings over</translation>
    </message>
    <message>
        <source>W bloku %1 ruch przecina oś Y: łokieć przerzuca się</source>
        <translation>In block %1 the move crosses the Y axis: the elbow swings over</translation>
    </message>
    <message>
        <source>Brak pliku %1 w katalogu roboczym, wyświetlono tło domyślne</source>
        <translation>No file %1 in the working folder, the default background is shown</translation>
    </message>
    <message>
        <source>%1 Wyświetlono tło domyślne.</source>
        <translation>%1 The default background is shown.</translation>
    </message>
    <message>
        <source>Zakończono ładowanie pliku</source>
        <translation>File loaded</translation>
    </message>
</context>
<context>
    <name>InputFile</name>
    <message>
        <source>It is a directory, not a file.</source>
        <translation>It is a directory, not a file.</translation>
    </message>
    <message>
        <source>It is a character device, not a file.</source>
        <translation>It is a character device, not a file.</translation>
    </message>
    <message>
        <source>It is a block device, not a file.</source>
        <translation>It is a block device, not a file.</translation>
    </message>
    <message>
        <source>It is a socket, not a file.</source>
        <translation>It is a socket, not a file.</translation>
    </message>
    <message>
        <source>It is not a file.</source>
        <translation>It is not a file.</translation>
    </message>
    <message>
        <source>It does not end within %1 bytes.</source>
        <translation>It does not end within %1 bytes.</translation>
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
    <message>
        <source>Koniec dziennika wysyłania %1 jest niepełny lub uszkodzony: wznowienie od ostatniej linii, której potwierdzenie jest pewne</source>
        <translation>The end of the sending journal %1 is incomplete or damaged: resuming from the last line whose acknowledgement is certain</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>Język</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Język systemu</source>
        <translation>System language</translation>
    </message>
    <message>
        <source>Nie można wczytać tłumaczenia: stacja zostaje przy języku polskim</source>
        <translation>Cannot load the translation: the station stays in Polish</translation>
    </message>
</context>
<context>
    <name>LayerTable</name>
    <message>
        <source>Warstwy</source>
        <translation>Layers</translation>
    </message>
    <message>
        <source>Warstwa</source>
        <translation>Layer</translation>
    </message>
    <message>
        <source>Kolor</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>Linie</source>
        <translation>Lines</translation>
    </message>
    <message>
        <source>Droga rysowania</source>
        <translation>Drawn length</translation>
    </message>
    <message>
        <source>Czas</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Z</source>
        <translation>Z</translation>
    </message>
    <message>
        <source>Posuw</source>
        <translation>Feed</translation>
    </message>
    <message>
        <source>Wstrzymanie</source>
        <translation>Hold</translation>
    </message>
    <message>
        <source>Wysyłana</source>
        <translation>Sent</translation>
    </message>
    <message>
        <source>Załóż pisak %1</source>
        <translation>Put on pen %1</translation>
    </message>
    <message>
        <source>W programie: %1</source>
        <translation>In the program: %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; is not a valid floating point value</translation>
    </message>
    <message>
        <source>Posuw warstwy %1 musi być większy od zera, a nie %2</source>
        <translation>The feed of layer %1 must be greater than zero, not %2</translation>
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
    <message>
        <source>Polecenie odrzucone: trwa wysyłanie programu. W tym czasie można je tylko wstrzymać, wznowić albo przerwać</source>
        <translation>Command refused: a program is being sent. Meanwhile it can only be held, resumed or aborted</translation>
    </message>
    <message>
        <source>Nie można wysłać programu: brak połączenia ze sterownikiem</source>
        <translation>Cannot send the program: not connected to the controller</translation>
    </message>
    <message>
        <source>Nie można wysłać programu: brak punktu referencyjnego. Wykonaj najpierw jazdę referencyjną</source>
        <translation>Cannot send the program: no reference point. Run homing first</translation>
    </message>
    <message>
        <source>Nie można wysłać programu: jazda referencyjna jeszcze trwa</source>
        <translation>Cannot send the program: homing is still running</translation>
    </message>
    <message>
        <source>Port %1 jest zajęty przez inny program: ponawiam otwieranie przez 10 s</source>
        <translation>The port %1 is held by another program: trying to open it again for 10 s</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>Plik</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Nowy program</source>
        <translation>New program</translation>
    </message>
    <message>
        <source>Otwórz plik z G-kodem</source>
        <translation>Open G-code file</translation>
    </message>
    <message>
        <source>Otwórz plik hpgl</source>
        <translation>Open HPGL file</translation>
    </message>
    <message>
        <source>Otwórz rysunek SVG</source>
        <translation>Open SVG drawing</translation>
    </message>
    <message>
        <source>Zapisz g-kode</source>
        <translation>Save G-code</translation>
    </message>
    <message>
        <source>Zapisz obraz</source>
        <translation>Save picture</translation>
    </message>
    <message>
        <source>Ostatnie pliki</source>
        <translation>Recent files</translation>
    </message>
    <message>
        <source>Zakończ</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Edycja</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Odswież g-kod</source>
        <translation>Refresh G-code</translation>
    </message>
    <message>
        <source>Wklej G-kod ze schowka </source>
        <translation>Paste G-code from clipboard </translation>
    </message>
    <message>
        <source>Optymalizuj program</source>
        <translation>Optimise program</translation>
    </message>
    <message>
        <source>Widok</source>
        <translation>View</translation>
    </message>
    <message>
        <source>Pokaż/ukryj pasek ustawień</source>
        <translation>Show/hide settings bar</translation>
    </message>
    <message>
        <source>Przywróć ustawienia domyślne</source>
        <translation>Restore default settings</translation>
    </message>
    <message>
        <source>Symulacja</source>
        <translation>Simulation</translation>
    </message>
    <message>
        <source>Start symulacja</source>
        <translation>Start simulation</translation>
    </message>
    <message>
        <source>Stop Symulacji</source>
        <translation>Stop simulation</translation>
    </message>
    <message>
        <source>Czas rzeczywisty</source>
        <translation>Real time</translation>
    </message>
    <message>
        <source>×10</source>
        <translation>×10</translation>
    </message>
    <message>
        <source>Bez czekania</source>
        <translation>No waiting</translation>
    </message>
    <message>
        <source>Wizualizacja</source>
        <translation>Visualisation</translation>
    </message>
    <message>
        <source>Pokaż wizualizacje</source>
        <translation>Show visualisation</translation>
    </message>
    <message>
        <source>Ukryj wizualizacje</source>
        <translation>Hide visualisation</translation>
    </message>
    <message>
        <source>Manipulator</source>
        <translation>Arm</translation>
    </message>
    <message>
        <source>Połącz ze sterownikiem</source>
        <translation>Connect to controller</translation>
    </message>
    <message>
        <source>Jazda referencyjna</source>
        <translation>Homing</translation>
    </message>
    <message>
        <source>Wyslij program</source>
        <translation>Send program</translation>
    </message>
    <message>
        <source>Wyślij od linii…</source>
        <translation>Send from line…</translation>
    </message>
    <message>
        <source>Przerwa w wysyłaniu programu</source>
        <translation>Pause in sending the program</translation>
    </message>
    <message>
        <source>Wstrzymaj wysyłanie</source>
        <translation>Hold sending</translation>
    </message>
    <message>
        <source>Wstrzymaj natychmiast</source>
        <translation>Hold immediately</translation>
    </message>
    <message>
        <source>Wznów wysyłanie</source>
        <translation>Resume sending</translation>
    </message>
    <message>
        <source>Przerwij wysyłanie</source>
        <translation>Abort sending</translation>
    </message>
    <message>
        <source>Zapisuj przebieg transmisji</source>
        <translation>Record wire trace</translation>
    </message>
    <message>
        <source>Pomoc</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>O programie</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Zatrzymuje albo znowu włącza ponawianie bieżącej linii co 0,5 s. Nie wstrzymuje wysyłania: do tego służy „Wstrzymaj wysyłanie”</source>
        <translation>Stops or restarts re-sending the current line every 0.5 s. It does not hold the transfer: “Hold sending” does that</translation>
    </message>
    <message>
        <source>Dopasuj do obszaru roboczego</source>
        <translation>Fit to the working area</translation>
    </message>
    <message>
        <source>Po jednej stronie osi Y</source>
        <translation>On one side of the Y axis</translation>
    </message>
    <message>
        <source>Obrysuj rysunek</source>
        <translation>Outline the drawing</translation>
    </message>
    <message>
        <source>Arkusz</source>
        <translation>Sheet</translation>
    </message>
    <message>
        <source>Bez arkusza</source>
        <translation>No sheet</translation>
    </message>
    <message>
        <source>A5 pionowo</source>
        <translation>A5 standing</translation>
    </message>
    <message>
        <source>A5 poziomo</source>
        <translation>A5 lying</translation>
    </message>
    <message>
        <source>A4 pionowo</source>
        <translation>A4 standing</translation>
    </message>
    <message>
        <source>A4 poziomo</source>
        <translation>A4 lying</translation>
    </message>
    <message>
        <source>Kalibracja ramienia…</source>
        <translation>Arm calibration…</translation>
    </message>
    <message>
        <source>Wstaw tekst…</source>
        <translation>Insert text…</translation>
    </message>
    <message>
        <source>Opcje importu SVG…</source>
        <translation>SVG import options…</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Symulacja</source>
        <translation>Simulation</translation>
    </message>
    <message>
        <source>G-kod</source>
        <translation>G-code</translation>
    </message>
    <message>
        <source>G-kod II</source>
        <translation>G-code II</translation>
    </message>
    <message>
        <source>G-kod III</source>
        <translation>G-code III</translation>
    </message>
    <message>
        <source>Ustawienia sterownika</source>
        <translation>Controller settings</translation>
    </message>
    <message>
        <source>Ustawienia portu</source>
        <translation>Port settings</translation>
    </message>
    <message>
        <source>Ustawienia programu</source>
        <translation>Program settings</translation>
    </message>
</context>
<context>
    <name>MotionTexts</name>
    <message>
        <source>alfa= %1</source>
        <translation>alpha= %1</translation>
    </message>
    <message>
        <source>beta= %1</source>
        <translation>beta= %1</translation>
    </message>
    <message>
        <source>JAZDA Z PUNKTU:</source>
        <translation>MOVE FROM POINT:</translation>
    </message>
    <message>
        <source>DO PUNKTU:</source>
        <translation>TO POINT:</translation>
    </message>
    <message>
        <source>POZYCJA AKTUALNA:</source>
        <translation>CURRENT POSITION:</translation>
    </message>
    <message>
        <source>Brak przygotowanego programu do symulacji. Otwórz plik z G-kodem lub odśwież g-kod.</source>
        <translation>No prepared program to simulate. Open a G-code file or refresh the G-code.</translation>
    </message>
    <message>
        <source>Symulacja przerwana w bloku N%1: %2</source>
        <translation>Simulation aborted in block N%1: %2</translation>
    </message>
    <message>
        <source>Symulacja zakończona: %1 bloków, %2 punktów</source>
        <translation>Simulation finished: %1 blocks, %2 points</translation>
    </message>
    <message>
        <source>Symulacja przerwana: blok %1 z %2, punkt %3</source>
        <translation>Simulation aborted: block %1 of %2, point %3</translation>
    </message>
    <message>
        <source>Symulacja wstrzymana: blok %1 z %2 (%3%), punkt %4</source>
        <translation>Simulation on hold: block %1 of %2 (%3%), point %4</translation>
    </message>
    <message>
        <source>Symulacja: blok %1 z %2 (%3%), punkt %4</source>
        <translation>Simulation: block %1 of %2 (%3%), point %4</translation>
    </message>
</context>
<context>
    <name>OutputFile</name>
    <message>
        <source>It is a directory, not a file.</source>
        <translation>It is a directory, not a file.</translation>
    </message>
    <message>
        <source>It is a block device, not a file.</source>
        <translation>It is a block device, not a file.</translation>
    </message>
    <message>
        <source>It is a socket, not a file.</source>
        <translation>It is a socket, not a file.</translation>
    </message>
    <message>
        <source>It is not a file.</source>
        <translation>It is not a file.</translation>
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
    <name>PortSettingsPage</name>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Liczba bitów na sekundę:</source>
        <translation>Bits per second:</translation>
    </message>
    <message>
        <source>Bity danych:</source>
        <translation>Data bits:</translation>
    </message>
    <message>
        <source>Parzystosc:</source>
        <translation>Parity:</translation>
    </message>
    <message>
        <source>Bity stopu:</source>
        <translation>Stop bits:</translation>
    </message>
    <message>
        <source>Sterowanie przepływem:</source>
        <translation>Flow control:</translation>
    </message>
    <message>
        <source>Połącz</source>
        <translation>Connect</translation>
    </message>
    <message>
        <source>Rozłącz</source>
        <translation>Disconnect</translation>
    </message>
</context>
<context>
    <name>ProgramLayers</name>
    <message>
        <source>Załóż pisak %1</source>
        <translation>Put on pen %1</translation>
    </message>
    <message>
        <source>Odległość uzupełniania tuszu musi być większa od zera, a nie %1</source>
        <translation>The refill distance must be greater than zero, not %1</translation>
    </message>
    <message>
        <source>Program nie ma warstwy %1 (ma warstwy: %2)</source>
        <translation>The program has no layer %1 (its layers: %2)</translation>
    </message>
    <message>
        <source>Posuw warstwy %1 musi być większy od zera, a nie %2</source>
        <translation>The feed of layer %1 must be greater than zero, not %2</translation>
    </message>
    <message>
        <source>Uzupełnij tusz: narysowano %1 (co %2 jednostek)</source>
        <translation>Refill the ink: %1 drawn (every %2 units)</translation>
    </message>
</context>
<context>
    <name>ProgramMemo</name>
    <message>
        <source>Cofnij</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Wytnij</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>Kopiuj</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Wklej</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>Zaznacz wszystko</source>
        <translation>Select all</translation>
    </message>
</context>
<context>
    <name>ProgramPage</name>
    <message>
        <source>Przekroczenia zasięgu manipulatora</source>
        <translation>Beyond the arm&apos;s reach</translation>
    </message>
    <message>
        <source>Ruchy przez obszar zabroniony i oś Y</source>
        <translation>Moves through the forbidden zone and across the Y axis</translation>
    </message>
    <message>
        <source>Rodzaj</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>Blok</source>
        <translation>Block</translation>
    </message>
    <message>
        <source>Opis</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>obszar zabroniony</source>
        <translation>forbidden zone</translation>
    </message>
    <message>
        <source>oś Y, pisak w dół</source>
        <translation>Y axis, pen down</translation>
    </message>
    <message>
        <source>oś Y</source>
        <translation>Y axis</translation>
    </message>
    <message>
        <source>… i %1 dalszych</source>
        <translation>… and %1 more</translation>
    </message>
    <message>
        <source>Import rysunku</source>
        <translation>Drawing import</translation>
    </message>
</context>
<context>
    <name>ProgramSettingsPage</name>
    <message>
        <source>Ustawienia</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Zaokrąglanie współrzędnych</source>
        <translation>Round coordinates</translation>
    </message>
    <message>
        <source>Usuwanie powtarzających sie wpisów</source>
        <translation>Remove repeated entries</translation>
    </message>
    <message>
        <source>Sprawdzenie czy kod nie przekracza
maksymalnego zasięgu manipulatora</source>
        <translation>Check that the code does not exceed
the arm&apos;s maximum reach</translation>
    </message>
    <message>
        <source>Ustawienia kolorów</source>
        <translation>Colour settings</translation>
    </message>
    <message>
        <source>Trajektoria</source>
        <translation>Trajectory</translation>
    </message>
    <message>
        <source>Interpolacja</source>
        <translation>Interpolation</translation>
    </message>
    <message>
        <source>Pokaż ruch G00</source>
        <translation>Show G00 moves</translation>
    </message>
    <message>
        <source>Postęp wysyłania</source>
        <translation>Sending progress</translation>
    </message>
</context>
<context>
    <name>ResumeTexts</name>
    <message>
        <source>Wysyłanie programu %1 zostało przerwane: sterownik potwierdził %2 z %3 linii. Wznowić wysyłanie od linii %4?</source>
        <translation>Sending the program %1 was interrupted: the controller acknowledged %2 of %3 lines. Resume sending from line %4?</translation>
    </message>
    <message>
        <source>(bez pliku)</source>
        <translation>(no file)</translation>
    </message>
    <message>
        <source>Wczytany program różni się od przerwanego. Wczytać plik %1 i wznowić?</source>
        <translation>The loaded program differs from the interrupted one. Load the file %1 and resume?</translation>
    </message>
    <message>
        <source>Sterownik mógł stracić pozycję. Wykonać jazdę referencyjną przed wznowieniem?</source>
        <translation>The controller may have lost its position. Run homing before resuming?</translation>
    </message>
    <message>
        <source>Połącz się ze sterownikiem, aby wznowić wysyłanie programu.</source>
        <translation>Connect to the controller to resume sending the program.</translation>
    </message>
    <message>
        <source>Wyślij od linii</source>
        <translation>Send from line</translation>
    </message>
    <message>
        <source>Numer linii (1 - %1):</source>
        <translation>Line number (1 - %1):</translation>
    </message>
    <message>
        <source>Brak programu do wysłania.</source>
        <translation>No program to send.</translation>
    </message>
    <message>
        <source>Wysyłanie programu %1 przerwano poleceniem „Przerwij wysyłanie” w linii %2: sterownik potwierdził %3 z %4 linii. Wznowić wysyłanie od linii %5?</source>
        <translation>Sending the program %1 was aborted with “Abort sending” at line %2: the controller acknowledged %3 of %4 lines. Resume sending from line %5?</translation>
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
    <name>SimulationPage</name>
    <message>
        <source>Pozycja efektora</source>
        <translation>End effector position</translation>
    </message>
</context>
<context>
    <name>SleepInhibitor</name>
    <message>
        <source>Wysyłanie programu do sterownika ramienia</source>
        <translation>Sending a program to the arm&apos;s controller</translation>
    </message>
    <message>
        <source>Nie można zablokować uśpienia komputera na czas wysyłania (%1): wysyłanie trwa bez tej blokady</source>
        <translation>Cannot keep the computer from sleeping while sending (%1): sending goes on without it</translation>
    </message>
</context>
<context>
    <name>StationTransferView</name>
    <message>
        <source>Program: %1 linii, rysowanie %2 mm, przejazdy %3 mm, podniesienia pisaka: %4. Czas wysyłania przy %5 b/s: około %6</source>
        <translation>Program: %1 lines, drawing %2 mm, travel %3 mm, pen lifts: %4. Sending time at %5 b/s: about %6</translation>
    </message>
</context>
<context>
    <name>SvgCommands</name>
    <message>
        <source>Otwórz rysunek SVG</source>
        <translation>Open SVG drawing</translation>
    </message>
    <message>
        <source>Rysunki SVG (*.svg);;Wszystkie pliki (*)</source>
        <translation>SVG drawings (*.svg);;All files (*)</translation>
    </message>
</context>
<context>
    <name>SvgOptionsDialog</name>
    <message>
        <source>Kreskuj wypełnione kształty</source>
        <translation>Hatch filled shapes</translation>
    </message>
    <message>
        <source>Kreskuj na krzyż</source>
        <translation>Cross-hatch</translation>
    </message>
    <message>
        <source>Rysuj brzeg kreskowanych kształtów</source>
        <translation>Draw the edge of hatched shapes</translation>
    </message>
    <message>
        <source>Pomiń linie zakryte przez wypełnienia</source>
        <translation>Leave out lines covered by fills</translation>
    </message>
    <message>
        <source>Opcje importu SVG</source>
        <translation>SVG import options</translation>
    </message>
    <message>
        <source>czcionką jednokreskową</source>
        <translation>in the single-stroke font</translation>
    </message>
    <message>
        <source>wzdłuż konturów liter</source>
        <translation>along the letters&apos; outlines</translation>
    </message>
    <message>
        <source>futural (bezszeryfowa)</source>
        <translation>futural (sans serif)</translation>
    </message>
    <message>
        <source>rowmans (szeryfowa)</source>
        <translation>rowmans (serif)</translation>
    </message>
    <message>
        <source>scripts (pisana)</source>
        <translation>scripts (script)</translation>
    </message>
    <message>
        <source>Odstęp linii:</source>
        <translation>Line spacing:</translation>
    </message>
    <message>
        <source>Kąt linii:</source>
        <translation>Line angle:</translation>
    </message>
    <message>
        <source>Tekst:</source>
        <translation>Text:</translation>
    </message>
    <message>
        <source>Czcionka:</source>
        <translation>Font:</translation>
    </message>
</context>
<context>
    <name>TextDialog</name>
    <message>
        <source>Wstaw</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>Wstaw tekst</source>
        <translation>Insert text</translation>
    </message>
    <message>
        <source>Zażółć gęślą jaźń</source>
        <translation>Sphinx of black quartz, judge my vow</translation>
    </message>
    <message>
        <source>futural (bezszeryfowa)</source>
        <translation>futural (sans serif)</translation>
    </message>
    <message>
        <source>rowmans (szeryfowa)</source>
        <translation>rowmans (serif)</translation>
    </message>
    <message>
        <source>scripts (pisana)</source>
        <translation>scripts (script)</translation>
    </message>
    <message>
        <source>X:</source>
        <translation>X:</translation>
    </message>
    <message>
        <source>Y:</source>
        <translation>Y:</translation>
    </message>
    <message>
        <source>Czcionka:</source>
        <translation>Font:</translation>
    </message>
    <message>
        <source>Wysokość wielkich liter:</source>
        <translation>Capital height:</translation>
    </message>
    <message>
        <source>Początek pierwszej linii:</source>
        <translation>Start of the first line:</translation>
    </message>
    <message>
        <source>Tekst (Enter zaczyna nową linię):</source>
        <translation>Text (Enter starts a new line):</translation>
    </message>
    <message>
        <source>Kliknij na wykresie, aby wskazać miejsce.</source>
        <translation>Click on the plot to choose the place.</translation>
    </message>
    <message>
        <source>Zamknij</source>
        <translation>Close</translation>
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
    <name>VisualisationTexts</name>
    <message>
        <source>Wizualizacja SCARA</source>
        <translation>SCARA visualisation</translation>
    </message>
    <message>
        <source>Ukryj wizualizację</source>
        <translation>Hide visualisation</translation>
    </message>
    <message>
        <source>Widok</source>
        <translation>View</translation>
    </message>
    <message>
        <source>Zmienny widok</source>
        <translation>Variable view</translation>
    </message>
    <message>
        <source>Widok %1</source>
        <translation>View %1</translation>
    </message>
    <message>
        <source>Model krawędziowy</source>
        <translation>Wireframe model</translation>
    </message>
    <message>
        <source>Model płaszczyznowy</source>
        <translation>Solid model</translation>
    </message>
    <message>
        <source>alfa= %1</source>
        <translation>alpha= %1</translation>
    </message>
    <message>
        <source>beta= %1</source>
        <translation>beta= %1</translation>
    </message>
    <message>
        <source>Nie udało się utworzyć kontekstu OpenGL. Wizualizacja jest niedostępna.</source>
        <translation>Could not create an OpenGL context. The visualisation is unavailable.</translation>
    </message>
    <message>
        <source>Sterownik grafiki nie obsługuje OpenGL w trybie zgodności (OpenGL 1.x). Wizualizacja jest niedostępna.</source>
        <translation>The graphics driver does not support OpenGL in compatibility mode (OpenGL 1.x). The visualisation is unavailable.</translation>
    </message>
</context>
<context>
    <name>WindowDialogs</name>
    <message>
        <source>Tak</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Nie</source>
        <translation>No</translation>
    </message>
    <message>
        <source>cnc (*.nc)</source>
        <translation>CNC programs (*.nc)</translation>
    </message>
    <message>
        <source>Bitmapy (*.bmp)</source>
        <translation>Bitmaps (*.bmp)</translation>
    </message>
    <message>
        <source>Programy G-kod (*.nc *.ngc *.gcode *.tap *.txt);;cnc (*.nc);;Wszystkie pliki (*)</source>
        <translation>G-code programs (*.nc *.ngc *.gcode *.tap *.txt);;cnc (*.nc);;All files (*)</translation>
    </message>
</context>
<context>
    <name>WireTrace</name>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Cannot create file &quot;%1&quot;. %2</translation>
    </message>
</context>
<context>
    <name>calibration</name>
    <message>
        <source>potrzeba nazwy wartości i liczby.</source>
        <translation>a value needs its name and a number.</translation>
    </message>
    <message>
        <source>wartość %1 powtórzona.</source>
        <translation>the value %1 is given twice.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; nie jest możliwą wartością %2.</source>
        <translation>&apos;%1&apos; is not a possible value of %2.</translation>
    </message>
    <message>
        <source>nieznana wartość &apos;%1&apos;.</source>
        <translation>unknown value &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>brak wartości %1.</source>
        <translation>the value %1 is missing.</translation>
    </message>
    <message>
        <source>Wiersz %1: potrzeba pięciu liczb: X1 Y1 X2 Y2 i zmierzonej odległości.</source>
        <translation>Line %1: five numbers are needed: X1 Y1 X2 Y2 and the measured distance.</translation>
    </message>
    <message>
        <source>Wiersz %1: &apos;%2&apos; nie jest liczbą.</source>
        <translation>Line %1: &apos;%2&apos; is not a number.</translation>
    </message>
    <message>
        <source>Wiersz %1: zmierzona odległość musi być większa od zera.</source>
        <translation>Line %1: the measured distance must be greater than zero.</translation>
    </message>
    <message>
        <source>Wiersz %1: krzyżyk X %2 Y %3 leży poza zasięgiem ramienia.</source>
        <translation>Line %1: the cross X %2 Y %3 lies beyond the arm&apos;s reach.</translation>
    </message>
    <message>
        <source>Wiersz %1: odległość jest dłuższa, niż ramię może narysować.</source>
        <translation>Line %1: the distance is longer than the arm can draw.</translation>
    </message>
    <message>
        <source>Pomiarów jest %1, a dopasowanie potrzebuje co najmniej %2.</source>
        <translation>There are %1 measurements; the fit needs at least %2.</translation>
    </message>
    <message>
        <source>Pomiary nie wyznaczają wartości ramienia: zmierz pary krzyżyków rozłożonych po całym polu wzoru.</source>
        <translation>The measurements do not pin the arm&apos;s values: measure pairs of crosses spread over the whole pattern.</translation>
    </message>
    <message>
        <source>Wiersz %1: pomiar odbiega od pozostałych o %2 mm; sprawdź, czy nie ma w nim literówki.</source>
        <translation>Line %1: the measurement is %2 mm off the others; check it for a typing error.</translation>
    </message>
    <message>
        <source>Z dopasowanymi wartościami ramię nie sięga krzyżyka X %1 Y %2; sprawdź pomiary.</source>
        <translation>With the fitted values the arm cannot reach the cross X %1 Y %2; check the measurements.</translation>
    </message>
    <message>
        <source>Plik kalibracji jest uszkodzony (wiersz %1): %2</source>
        <translation>The calibration file is damaged (line %1): %2</translation>
    </message>
    <message>
        <source>Plik kalibracji ma wersję %1, a stacja czyta wersję 1.</source>
        <translation>The calibration file is version %1; the station reads version 1.</translation>
    </message>
    <message>
        <source>To nie jest plik kalibracji ramienia stacji.</source>
        <translation>This is not the station&apos;s arm calibration file.</translation>
    </message>
    <message>
        <source>Punktów poza zasięgiem skalibrowanego ramienia: %1 (pierwszy w wierszu %2); zostały bez poprawki.</source>
        <translation>Points beyond the calibrated arm&apos;s reach: %1 (the first in line %2); left uncorrected.</translation>
    </message>
    <message>
        <source>Punktów tuż przy osi Y, które skalibrowane ramię rysuje tylko w przybliżeniu: %1 (pierwszy w wierszu %2).</source>
        <translation>Points right beside the Y axis that the calibrated arm draws only nearly: %1 (the first in line %2).</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>usage: scara-cli check FILE [--forbidden R] [--raw]

Prepares the program with the station&apos;s default settings (or, with --raw,
takes its lines as they are) and checks every move, starting at the home
point X 500, Y 0, for what the arm cannot draw well:
  reach  the target lies beyond the arm&apos;s reach of 500 units
  zone   the straight move comes closer to the base than R (default 150,
         the station&apos;s &quot;Obszar zabroniony&quot;)
  elbow  the move touches or crosses the Y axis, so the elbow turns over

Prints one finding a line: the block&apos;s N word, TAB, the kind, TAB, the
station&apos;s text. Exit status 0 without findings, 3 with findings, 1 on an
error (the station&apos;s message on standard error).
</source>
        <translation>usage: scara-cli check FILE [--forbidden R] [--raw]

Prepares the program with the station&apos;s default settings (or, with --raw,
takes its lines as they are) and checks every move, starting at the home
point X 500, Y 0, for what the arm cannot draw well:
  reach  the target lies beyond the arm&apos;s reach of 500 units
  zone   the straight move comes closer to the base than R (default 150,
         the station&apos;s &quot;Forbidden zone&quot;)
  elbow  the move touches or crosses the Y axis, so the elbow turns over

Prints one finding a line: the block&apos;s N word, TAB, the kind, TAB, the
station&apos;s text. Exit status 0 without findings, 3 with findings, 1 on an
error (the station&apos;s message on standard error).
</translation>
    </message>
    <message>
        <source>--forbidden needs a value</source>
        <translation>--forbidden needs a value</translation>
    </message>
    <message>
        <source>scara-cli: --forbidden needs a positive number</source>
        <translation>scara-cli: --forbidden needs a positive number</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unknown option %1</translation>
    </message>
    <message>
        <source>one program file only</source>
        <translation>one program file only</translation>
    </message>
    <message>
        <source>no program file given</source>
        <translation>no program file given</translation>
    </message>
    <message>
        <source>check the moves of a program: reach, forbidden zone, elbow swings</source>
        <translation>check the moves of a program: reach, forbidden zone, elbow swings</translation>
    </message>
    <message>
        <source>usage: scara-cli frames FILE [--address AA]

Prints, for every line of FILE as it stands (not prepared), the frame the
program transfer sends for it, as the transfer log shows it: &quot;:&quot;, the
controller address, the function code 20, the line byte for byte, and the
four upper-case hex digits of its CRC-16/MODBUS checksum, without the CR LF
that follows it on the wire. One frame per output line, ended by LF; the
file&apos;s 8-bit bytes go out unchanged. FILE&apos;s lines may end in CR LF, LF or CR.

  --address AA  the controller address (default 05)

Exit status 0; 1 when the file cannot be read, 2 on a usage error.
</source>
        <translation>usage: scara-cli frames FILE [--address AA]

Prints, for every line of FILE as it stands (not prepared), the frame the
program transfer sends for it, as the transfer log shows it: &quot;:&quot;, the
controller address, the function code 20, the line byte for byte, and the
four upper-case hex digits of its CRC-16/MODBUS checksum, without the CR LF
that follows it on the wire. One frame per output line, ended by LF; the
file&apos;s 8-bit bytes go out unchanged. FILE&apos;s lines may end in CR LF, LF or CR.

  --address AA  the controller address (default 05)

Exit status 0; 1 when the file cannot be read, 2 on a usage error.
</translation>
    </message>
    <message>
        <source>--address needs a value</source>
        <translation>--address needs a value</translation>
    </message>
    <message>
        <source>the address must be printable ASCII without &apos;:&apos;</source>
        <translation>the address must be printable ASCII without &apos;:&apos;</translation>
    </message>
    <message>
        <source>only one FILE</source>
        <translation>only one FILE</translation>
    </message>
    <message>
        <source>FILE is missing</source>
        <translation>FILE is missing</translation>
    </message>
    <message>
        <source>print the transfer&apos;s frame for every line of a file</source>
        <translation>print the transfer&apos;s frame for every line of a file</translation>
    </message>
    <message>
        <source>usage: scara-cli plot FILE -o OUT.bmp|OUT.png [--background IMAGE]

Prepares the program with the default settings and saves the 1000 x 500 plot
as the station draws it: the background (the station&apos;s default grid, or
IMAGE drawn unscaled at the top-left corner) and the program&apos;s moves in the
default trajectory colours. PNG when OUT ends in .png, otherwise a Windows
bitmap (also for &quot;-o -&quot;, standard output). Exit status 0; on an error the
station&apos;s message goes to standard error, no picture is written and the
status is 1.
</source>
        <translation>usage: scara-cli plot FILE -o OUT.bmp|OUT.png [--background IMAGE]

Prepares the program with the default settings and saves the 1000 x 500 plot
as the station draws it: the background (the station&apos;s default grid, or
IMAGE drawn unscaled at the top-left corner) and the program&apos;s moves in the
default trajectory colours. PNG when OUT ends in .png, otherwise a Windows
bitmap (also for &quot;-o -&quot;, standard output). Exit status 0; on an error the
station&apos;s message goes to standard error, no picture is written and the
status is 1.
</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 needs a value</translation>
    </message>
    <message>
        <source>-o needs a file name</source>
        <translation>-o needs a file name</translation>
    </message>
    <message>
        <source>--background needs a file name</source>
        <translation>--background needs a file name</translation>
    </message>
    <message>
        <source>-o OUT.bmp or -o OUT.png is required</source>
        <translation>-o OUT.bmp or -o OUT.png is required</translation>
    </message>
    <message>
        <source>prepare a G-code program as the station does (round, shift, check)</source>
        <translation>prepare a G-code program as the station does (round, shift, check)</translation>
    </message>
    <message>
        <source>save the trajectory plot of a G-code program as BMP or PNG</source>
        <translation>save the trajectory plot of a G-code program as BMP or PNG</translation>
    </message>
    <message>
        <source>convert-hpgl: --pen-heights needs eight values</source>
        <translation>convert-hpgl: --pen-heights needs eight values</translation>
    </message>
    <message>
        <source>convert-hpgl: unexpected argument &apos;%1&apos;</source>
        <translation>convert-hpgl: unexpected argument &apos;%1&apos;</translation>
    </message>
    <message>
        <source>scara-cli: --skip-empty-lines converts the lines after it</source>
        <translation>scara-cli: --skip-empty-lines converts the lines after it</translation>
    </message>
    <message>
        <source>bring a plot file to one instruction a line, optionally fitted</source>
        <translation>bring a plot file to one instruction a line, optionally fitted</translation>
    </message>
    <message>
        <source>convert an HPGL plot file to G-code</source>
        <translation>convert an HPGL plot file to G-code</translation>
    </message>
    <message>
        <source>usage: scara-cli simulate FILE [--log joints|points]

Prepares the G-code program with the default settings, as the station does
when it opens a file, then simulates the arm&apos;s motion block by block from
the home pose (no pen waits) and prints one line per simulated point:

  --log joints  the joint-angle log line, &quot;N10 alfa:12,5 beta:-3&quot; (default)
  --log points  the interpolation log line, &quot;N10 X:100 Y:100 Z:0&quot;

Lines are 8-bit Windows-1250 text with LF line ends. Exit status 0; when the
program cannot be read, prepared or simulated the station&apos;s message goes to
standard error and the status is 1.
</source>
        <translation>usage: scara-cli simulate FILE [--log joints|points]

Prepares the G-code program with the default settings, as the station does
when it opens a file, then simulates the arm&apos;s motion block by block from
the home pose (no pen waits) and prints one line per simulated point:

  --log joints  the joint-angle log line, &quot;N10 alfa:12,5 beta:-3&quot; (default)
  --log points  the interpolation log line, &quot;N10 X:100 Y:100 Z:0&quot;

Lines are 8-bit Windows-1250 text with LF line ends. Exit status 0; when the
program cannot be read, prepared or simulated the station&apos;s message goes to
standard error and the status is 1.
</translation>
    </message>
    <message>
        <source>--log needs joints or points</source>
        <translation>--log needs joints or points</translation>
    </message>
    <message>
        <source>unknown log &apos;%1&apos;</source>
        <translation>unknown log &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>unexpected argument &apos;%1&apos;</translation>
    </message>
    <message>
        <source>simulate a program&apos;s motion, one line per point</source>
        <translation>simulate a program&apos;s motion, one line per point</translation>
    </message>
    <message>
        <source>--from counts lines from 1, not %1</source>
        <translation>--from counts lines from 1, not %1</translation>
    </message>
    <message>
        <source>no line speed %1</source>
        <translation>no line speed %1</translation>
    </message>
    <message>
        <source>--timeout takes 1 to %1 seconds, not %2</source>
        <translation>--timeout takes 1 to %1 seconds, not %2</translation>
    </message>
    <message>
        <source>one FILE only</source>
        <translation>one FILE only</translation>
    </message>
    <message>
        <source>no FILE given</source>
        <translation>no FILE given</translation>
    </message>
    <message>
        <source>--port is required</source>
        <translation>--port is required</translation>
    </message>
    <message>
        <source>--from and --resume exclude each other</source>
        <translation>--from and --resume exclude each other</translation>
    </message>
    <message>
        <source>--home goes with --resume</source>
        <translation>--home goes with --resume</translation>
    </message>
    <message>
        <source>%1/%2 (%3%), %4 linii/s, ponowienia %5, pozostało %6</source>
        <translation>%1/%2 (%3%), %4 lines/s, re-sends %5, %6 left</translation>
    </message>
    <message>
        <source> - brak potwierdzenia od %1 s</source>
        <translation> - no acknowledgement for %1 s</translation>
    </message>
    <message>
        <source>Brak odpowiedzi sterownika od %1 s</source>
        <translation>No reply from the controller for %1 s</translation>
    </message>
    <message>
        <source>Zmiana pisaka przed linią %1: załóż następny pisak i naciśnij Enter</source>
        <translation>Pen change before line %1: put in the next pen and press Enter</translation>
    </message>
    <message>
        <source>Przerywanie wysyłania po wierszu w drodze...</source>
        <translation>Aborting sending after the line in flight...</translation>
    </message>
    <message>
        <source>--from %1: the program has %2 lines</source>
        <translation>--from %1: the program has %2 lines</translation>
    </message>
    <message>
        <source>usage: scara-cli estimate FILE [--baud N] [--raw]

Prints what sending FILE asks of the arm and the line, one figure a line:
its lines, the length drawn with the pen down and travelled with it up
(program units), the pen lifts, and the time the transfer takes at the
line speed N (default 19200): each line&apos;s frame and the 7-byte
acknowledgement at 10 bits a byte, and a turnaround of 0.8 ms a line.
The program is FILE prepared with the station&apos;s default settings, or
FILE&apos;s lines as they are with --raw.

Exit status 0; 1 when the file cannot be read or prepared; 2 on a usage
error.
</source>
        <translation>usage: scara-cli estimate FILE [--baud N] [--raw]

Prints what sending FILE asks of the arm and the line, one figure a line:
its lines, the length drawn with the pen down and travelled with it up
(program units), the pen lifts, and the time the transfer takes at the
line speed N (default 19200): each line&apos;s frame and the 7-byte
acknowledgement at 10 bits a byte, and a turnaround of 0.8 ms a line.
The program is FILE prepared with the station&apos;s default settings, or
FILE&apos;s lines as they are with --raw.

Exit status 0; 1 when the file cannot be read or prepared; 2 on a usage
error.
</translation>
    </message>
    <message>
        <source>scara-cli estimate: --baud needs a value</source>
        <translation>scara-cli estimate: --baud needs a value</translation>
    </message>
    <message>
        <source>scara-cli estimate: no line speed %1</source>
        <translation>scara-cli estimate: no line speed %1</translation>
    </message>
    <message>
        <source>scara-cli estimate: no FILE given</source>
        <translation>scara-cli estimate: no FILE given</translation>
    </message>
    <message>
        <source>send a program to the controller over a serial port</source>
        <translation>send a program to the controller over a serial port</translation>
    </message>
    <message>
        <source>a program&apos;s lines, lengths, pen lifts and transfer time</source>
        <translation>a program&apos;s lines, lengths, pen lifts and transfer time</translation>
    </message>
    <message>
        <source>usage: scara-cli optimize FILE [--tolerance T] [--cost distance|joint|best] [-o OUT]

Optimises a program&apos;s drawing moves: joins paths whose ends meet, drops
points that move the drawing by less than T units (0,25) and moves that go
nowhere, and orders the paths (nearest neighbour, then 2-opt) to cut
pen-up travel: by distance, by the joints&apos; turn between the ends, or (best,
the default) both, keeping the order the arm travels faster. Lines other
than plain G00/G01 moves stay where they are,
and every line is numbered anew. The program goes to OUT (&quot;-&quot;: standard
output) or standard output; the figures before and after to standard error.
</source>
        <translation>usage: scara-cli optimize FILE [--tolerance T] [--cost distance|joint|best] [-o OUT]

Optimises a program&apos;s drawing moves: joins paths whose ends meet, drops
points that move the drawing by less than T units (0,25) and moves that go
nowhere, and orders the paths (nearest neighbour, then 2-opt) to cut
pen-up travel: by distance, by the joints&apos; turn between the ends, or (best,
the default) both, keeping the order the arm travels faster. Lines other
than plain G00/G01 moves stay where they are,
and every line is numbered anew. The program goes to OUT (&quot;-&quot;: standard
output) or standard output; the figures before and after to standard error.
</translation>
    </message>
    <message>
        <source>%1 needs a positive number</source>
        <translation>%1 needs a positive number</translation>
    </message>
    <message>
        <source>--pen-heights needs eight values</source>
        <translation>--pen-heights needs eight values</translation>
    </message>
    <message>
        <source>--pen-heights: &apos;%1&apos; is not a number</source>
        <translation>--pen-heights: &apos;%1&apos; is not a number</translation>
    </message>
    <message>
        <source>import-svg needs a file</source>
        <translation>import-svg needs a file</translation>
    </message>
    <message>
        <source>--tolerance needs a positive number</source>
        <translation>--tolerance needs a positive number</translation>
    </message>
    <message>
        <source>--cost is distance, joint or best</source>
        <translation>--cost is distance, joint or best</translation>
    </message>
    <message>
        <source>optimize needs a file</source>
        <translation>optimize needs a file</translation>
    </message>
    <message>
        <source>make an SVG drawing into a program in the station&apos;s form</source>
        <translation>make an SVG drawing into a program in the station&apos;s form</translation>
    </message>
    <message>
        <source>join, simplify and order a program&apos;s drawing moves</source>
        <translation>join, simplify and order a program&apos;s drawing moves</translation>
    </message>
    <message>
        <source>scara-cli: cannot write to standard output (%1)</source>
        <translation>scara-cli: cannot write to standard output (%1)</translation>
    </message>
    <message>
        <source>scara-cli: cannot write to standard output</source>
        <translation>scara-cli: cannot write to standard output</translation>
    </message>
    <message>
        <source>usage: scara-cli &lt;command&gt; [options]

commands:
</source>
        <translation>usage: scara-cli &lt;command&gt; [options]

commands:
</translation>
    </message>
    <message>
        <source>
&apos;scara-cli &lt;command&gt; --help&apos; describes a command.
</source>
        <translation>
&apos;scara-cli &lt;command&gt; --help&apos; describes a command.
</translation>
    </message>
    <message>
        <source>scara-cli: unknown command &apos;%1&apos;</source>
        <translation>scara-cli: unknown command &apos;%1&apos;</translation>
    </message>
    <message>
        <source>usage: scara-cli convert-hpgl FILE [-o OUT] [--pen-heights H1,...,H8]
                              [--travel-height N] [--step N]
                              [--normalize] [--fit] [--one-side] [--margin N]
                              [--forbidden R] [--paper P] [--chord-degrees A]
                              [--skip-empty-lines]
Converts the plot file with the converter window&apos;s settings (pen heights
1..8, travel height 10, line numbers from 10 in steps of 10) and writes
the G-code (CR LF) to OUT (&quot;-&quot;: standard output) or standard output. On
an error the lines emitted before it are written and the command exits
with 1. Like the window, the conversion stops at an empty line; when lines
follow it, that is an error too (exit 1, the line named), unless
--skip-empty-lines lets it pass over empty lines.
--normalize first brings a plot file of any common layout to one
instruction a line; --fit also scales and moves it into the arm&apos;s safe
area (the half ring between the forbidden circle and the reach, above the
X axis), as large as fits, pen-up travel led around the circle, and
reports the placement on standard error:
%1</source>
        <translation>usage: scara-cli convert-hpgl FILE [-o OUT] [--pen-heights H1,...,H8]
                              [--travel-height N] [--step N]
                              [--normalize] [--fit] [--one-side] [--margin N]
                              [--forbidden R] [--paper P] [--chord-degrees A]
                              [--skip-empty-lines]
Converts the plot file with the converter window&apos;s settings (pen heights
1..8, travel height 10, line numbers from 10 in steps of 10) and writes
the G-code (CR LF) to OUT (&quot;-&quot;: standard output) or standard output. On
an error the lines emitted before it are written and the command exits
with 1. Like the window, the conversion stops at an empty line; when lines
follow it, that is an error too (exit 1, the line named), unless
--skip-empty-lines lets it pass over empty lines.
--normalize first brings a plot file of any common layout to one
instruction a line; --fit also scales and moves it into the arm&apos;s safe
area (the half ring between the forbidden circle and the reach, above the
X axis), as large as fits, pen-up travel led around the circle, and
reports the placement on standard error:
%1</translation>
    </message>
    <message>
        <source>usage: scara-cli normalize-hpgl FILE [--fit] [--one-side] [--margin N] [--forbidden R]
                                [--paper P] [--chord-degrees A] [-o OUT]
Writes the plot file one instruction a line (IN;, SPn;, PUx y;, PDx y;),
arcs and circles as chords (5 degrees unless given), other instructions
left out and counted on standard error. --fit places the drawing in the
arm&apos;s safe area as convert-hpgl --fit does:
%1</source>
        <translation>usage: scara-cli normalize-hpgl FILE [--fit] [--one-side] [--margin N] [--forbidden R]
                                [--paper P] [--chord-degrees A] [-o OUT]
Writes the plot file one instruction a line (IN;, SPn;, PUx y;, PDx y;),
arcs and circles as chords (5 degrees unless given), other instructions
left out and counted on standard error. --fit places the drawing in the
arm&apos;s safe area as convert-hpgl --fit does:
%1</translation>
    </message>
    <message>
        <source>usage: scara-cli fit FILE [--one-side] [--margin N] [--forbidden R] [--paper P]
                     [-o OUT]

Places the program&apos;s drawing in the arm&apos;s safe area: the half ring between
the circle of R + N around the base and the reach less N, at least N above
the X axis, as large as fits (one scale, moved, upright). Pen-up travel that
would pass through the circle goes around it through added G00 lines. Every
line keeps its words but X and Y. The program (CR LF) goes to OUT (&quot;-&quot;:
standard output) or standard output, the placement&apos;s report to standard
error. On an error nothing is written and the status is 1 (2 for a wrong
command line).

%1</source>
        <translation>usage: scara-cli fit FILE [--one-side] [--margin N] [--forbidden R] [--paper P]
                     [-o OUT]

Places the program&apos;s drawing in the arm&apos;s safe area: the half ring between
the circle of R + N around the base and the reach less N, at least N above
the X axis, as large as fits (one scale, moved, upright). Pen-up travel that
would pass through the circle goes around it through added G00 lines. Every
line keeps its words but X and Y. The program (CR LF) goes to OUT (&quot;-&quot;:
standard output) or standard output, the placement&apos;s report to standard
error. On an error nothing is written and the status is 1 (2 for a wrong
command line).

%1</translation>
    </message>
    <message>
        <source>usage: scara-cli outline FILE [--paper P] [--one-side] [--margin N]
                         [--forbidden R] [-o OUT]

Writes a pen-up program that travels around the box of the program&apos;s
drawn moves and, with --paper, around the sheet where fit lays it, so that
the arm shows where it will draw before the pen touches the paper. Output
and errors as for fit.

%1</source>
        <translation>usage: scara-cli outline FILE [--paper P] [--one-side] [--margin N]
                         [--forbidden R] [-o OUT]

Writes a pen-up program that travels around the box of the program&apos;s
drawn moves and, with --paper, around the sheet where fit lays it, so that
the arm shows where it will draw before the pen touches the paper. Output
and errors as for fit.

%1</translation>
    </message>
    <message>
        <source>place a program&apos;s drawing in the arm&apos;s safe area</source>
        <translation>place a program&apos;s drawing in the arm&apos;s safe area</translation>
    </message>
    <message>
        <source>write a pen-up program around where a program draws</source>
        <translation>write a pen-up program around where a program draws</translation>
    </message>
    <message>
        <source>  --one-side         keep the drawing on one side of the Y axis (x &gt;= N or
                     x &lt;= -N), where the elbow never turns over; by default it
                     goes there when it is at least 0,97 as large there
  --margin N         units kept free from the safe area&apos;s edges (10)
  --forbidden R      radius of the circle around the base the arm must not
                     enter (150, the station&apos;s &quot;Obszar zabroniony&quot;)
  --paper P          a sheet laid in the safe area, the drawing fitted into it
                     less the margin: A5, A4, A3, with -landscape lying, or WxH
</source>
        <translation>  --one-side         keep the drawing on one side of the Y axis (x &gt;= N or
                     x &lt;= -N), where the elbow never turns over; by default it
                     goes there when it is at least 0,97 as large there
  --margin N         units kept free from the safe area&apos;s edges (10)
  --forbidden R      radius of the circle around the base the arm must not
                     enter (150, the station&apos;s &quot;Obszar zabroniony&quot;)
  --paper P          a sheet laid in the safe area, the drawing fitted into it
                     less the margin: A5, A4, A3, with -landscape lying, or WxH
</translation>
    </message>
    <message>
        <source>%1 needs a number, not &apos;%2&apos;</source>
        <translation>%1 needs a number, not &apos;%2&apos;</translation>
    </message>
    <message>
        <source>Linia „%1” prowadziła ramię poza obszar roboczy: jedzie do punktu startowego X500 Y0</source>
        <translation>The line “%1” took the arm outside the working area: it goes to the home point X500 Y0 instead</translation>
    </message>
    <message>
        <source>usage: scara-cli calibrate pattern [-o PATTERN.nc]
       scara-cli calibrate fit MEASURES [-o CAL]

Finds the real arm&apos;s geometry from distances measured with a ruler.

pattern  prints the pairs of crosses to measure, one &quot;X1 Y1 X2 Y2&quot; a line
         (the commanded centres of the two crosses, after a comment naming
         their numbers); with -o, writes the program that draws the
         numbered crosses to PATTERN.nc. At most 60 pairs, each at most
         500 mm apart.
fit      reads MEASURES, one &quot;X1 Y1 X2 Y2 D&quot; a line (D: the distance
         measured between the drawn crosses, in mm; a decimal point or
         comma; &quot;#&quot; starts a comment), fits the links L1 and L2, the joint
         gains k1 and k2 and the elbow&apos;s zero o2, and prints each with its
         uncertainty and the residual RMS; with -o, writes them to CAL.

Exit status 0; on an error the station&apos;s message goes to standard error,
nothing is written and the status is 1 (2 for a usage error).
</source>
        <translation>usage: scara-cli calibrate pattern [-o PATTERN.nc]
       scara-cli calibrate fit MEASURES [-o CAL]

Finds the real arm&apos;s geometry from distances measured with a ruler.

pattern  prints the pairs of crosses to measure, one &quot;X1 Y1 X2 Y2&quot; a line
         (the commanded centres of the two crosses, after a comment naming
         their numbers); with -o, writes the program that draws the
         numbered crosses to PATTERN.nc. At most 60 pairs, each at most
         500 mm apart.
fit      reads MEASURES, one &quot;X1 Y1 X2 Y2 D&quot; a line (D: the distance
         measured between the drawn crosses, in mm; a decimal point or
         comma; &quot;#&quot; starts a comment), fits the links L1 and L2, the joint
         gains k1 and k2 and the elbow&apos;s zero o2, and prints each with its
         uncertainty and the residual RMS; with -o, writes them to CAL.

Exit status 0; on an error the station&apos;s message goes to standard error,
nothing is written and the status is 1 (2 for a usage error).
</translation>
    </message>
    <message>
        <source>usage: scara-cli correct FILE --calibration CAL [-o OUT]

Moves every target of the program FILE so that the arm calibrated in CAL
draws the intended point, and splits moves whose drawn line would bow
more than 0.1 from the straight one. Pen heights and every word other
than X and Y are kept. The corrected program goes to OUT (&quot;-&quot;: standard
output; the default) and is replaced only when complete. Exit status 0;
on an error the station&apos;s message goes to standard error and the status
is 1.
</source>
        <translation>usage: scara-cli correct FILE --calibration CAL [-o OUT]

Moves every target of the program FILE so that the arm calibrated in CAL
draws the intended point, and splits moves whose drawn line would bow
more than 0.1 from the straight one. Pen heights and every word other
than X and Y are kept. The corrected program goes to OUT (&quot;-&quot;: standard
output; the default) and is replaced only when complete. Exit status 0;
on an error the station&apos;s message goes to standard error and the status
is 1.
</translation>
    </message>
    <message>
        <source>%1 needs a file name</source>
        <translation>%1 needs a file name</translation>
    </message>
    <message>
        <source>pattern takes no file</source>
        <translation>pattern takes no file</translation>
    </message>
    <message>
        <source>residual RMS %1 mm over %2 pairs
</source>
        <translation>residual RMS %1 mm over %2 pairs
</translation>
    </message>
    <message>
        <source>fit takes one MEASURES file</source>
        <translation>fit takes one MEASURES file</translation>
    </message>
    <message>
        <source>calibrate pattern or calibrate fit</source>
        <translation>calibrate pattern or calibrate fit</translation>
    </message>
    <message>
        <source>--calibration is required</source>
        <translation>--calibration is required</translation>
    </message>
    <message>
        <source>the arm&apos;s calibration: the pattern to measure, the fit of the measures</source>
        <translation>the arm&apos;s calibration: the pattern to measure, the fit of the measures</translation>
    </message>
    <message>
        <source>correct a program for the calibrated arm</source>
        <translation>correct a program for the calibrated arm</translation>
    </message>
    <message>
        <source>--calibration needs a file name</source>
        <translation>--calibration needs a file name</translation>
    </message>
    <message>
        <source>usage: scara-cli text TEXT [--height H] [--font NAME] [--align left|center|right]
                     [--fit [--one-side] [--margin N] [--forbidden R] [--paper P]]
                     [--no-optimize] [--pen-height N] [--travel-height N] [-o OUT]

Writes TEXT in a single-stroke font (each letter drawn once along its
middle, Polish letters included) as a program in the station&apos;s form, CR LF,
to OUT (&quot;-&quot;: standard output) or standard output. The letters stand upright
(their tops towards +Y), the first line&apos;s baseline starts at X 0 Y 0, and a
line break (or the two characters \n) starts a new line below.
Coordinates are rounded to whole units.

  --height H         height of the capitals in units (20)
  --font NAME        futural (sans serif, the default), rowmans (roman) or
                     scripts (script)
  --align A          each line starts at X 0 (left), is centred on it
                     (center) or ends there (right)
  --fit              scale and move the text into the arm&apos;s safe area, as
                     large as fits; the placement options below go with it
  --no-optimize      keep the writing order
  --pen-height N     Z of the pen while drawing (1)
  --travel-height N  Z of pen-up moves (10)

%1
Characters the font lacks are named and counted on standard error and left
as spaces. On an error nothing is written and the status is 1 (2 for a wrong
command line).
</source>
        <translation>usage: scara-cli text TEXT [--height H] [--font NAME] [--align left|center|right]
                     [--fit [--one-side] [--margin N] [--forbidden R] [--paper P]]
                     [--no-optimize] [--pen-height N] [--travel-height N] [-o OUT]

Writes TEXT in a single-stroke font (each letter drawn once along its
middle, Polish letters included) as a program in the station&apos;s form, CR LF,
to OUT (&quot;-&quot;: standard output) or standard output. The letters stand upright
(their tops towards +Y), the first line&apos;s baseline starts at X 0 Y 0, and a
line break (or the two characters \n) starts a new line below.
Coordinates are rounded to whole units.

  --height H         height of the capitals in units (20)
  --font NAME        futural (sans serif, the default), rowmans (roman) or
                     scripts (script)
  --align A          each line starts at X 0 (left), is centred on it
                     (center) or ends there (right)
  --fit              scale and move the text into the arm&apos;s safe area, as
                     large as fits; the placement options below go with it
  --no-optimize      keep the writing order
  --pen-height N     Z of the pen while drawing (1)
  --travel-height N  Z of pen-up moves (10)

%1
Characters the font lacks are named and counted on standard error and left
as spaces. On an error nothing is written and the status is 1 (2 for a wrong
command line).
</translation>
    </message>
    <message>
        <source>--align is left, center or right</source>
        <translation>--align is left, center or right</translation>
    </message>
    <message>
        <source>%1 needs a number</source>
        <translation>%1 needs a number</translation>
    </message>
    <message>
        <source>text needs the text to write</source>
        <translation>text needs the text to write</translation>
    </message>
    <message>
        <source>write a text in a single-stroke font as a program</source>
        <translation>write a text in a single-stroke font as a program</translation>
    </message>
    <message>
        <source>usage: scara-cli prepare FILE [--no-round] [--keep-repeats] [--no-reach-check]
                         [--dx N] [--dy N] [--report-shifts]
                         [--calibration CAL] [LAYER OPTIONS] [-o OUT]

Prepares a G-code program as the station does when it opens a file: rounds
X, Y and Z (halves to even), adds the shift, writes every block in canonical
form, drops blocks that repeat the previous point, checks the arm&apos;s reach and
stops after the block with M30 (or at the last line).

The prepared program goes to OUT (a file is replaced only when complete; a
device or FIFO is written into) or to standard output, with CR LF line ends
and the file&apos;s 8-bit bytes unchanged; the check report goes to standard
error: the blocks beyond the reach, and the shift lines when a shift is
given. Exit status 0; on an error the station&apos;s message goes to standard
error, nothing is written and the status is 1.

  --no-round        keep X, Y and Z as written (Zaokraglanie wspolrzednych off)
  --keep-repeats    keep blocks that repeat the previous point
  --no-reach-check  do not check the 500-unit reach
  --dx N, --dy N    shift the drawing by N plot units (whole numbers)
  --report-shifts   report the shift lines of every block, also for a shift of 0
  --calibration CAL correct the prepared program for the arm calibrated in
                    CAL (see scara-cli correct)
  -o OUT            write the prepared program to OUT (&quot;-&quot;: standard output)

With a layer option the program written is the one send sends: the layer
marks left out, only the layers asked for, their holds (M00) in:
%1</source>
        <translation>usage: scara-cli prepare FILE [--no-round] [--keep-repeats] [--no-reach-check]
                         [--dx N] [--dy N] [--report-shifts]
                         [--calibration CAL] [LAYER OPTIONS] [-o OUT]

Prepares a G-code program as the station does when it opens a file: rounds
X, Y and Z (halves to even), adds the shift, writes every block in canonical
form, drops blocks that repeat the previous point, checks the arm&apos;s reach and
stops after the block with M30 (or at the last line).

The prepared program goes to OUT (a file is replaced only when complete; a
device or FIFO is written into) or to standard output, with CR LF line ends
and the file&apos;s 8-bit bytes unchanged; the check report goes to standard
error: the blocks beyond the reach, and the shift lines when a shift is
given. Exit status 0; on an error the station&apos;s message goes to standard
error, nothing is written and the status is 1.

  --no-round        keep X, Y and Z as written (&quot;Coordinate rounding&quot; off)
  --keep-repeats    keep blocks that repeat the previous point
  --no-reach-check  do not check the 500-unit reach
  --dx N, --dy N    shift the drawing by N plot units (whole numbers)
  --report-shifts   report the shift lines of every block, also for a shift of 0
  --calibration CAL correct the prepared program for the arm calibrated in
                    CAL (see scara-cli correct)
  -o OUT            write the prepared program to OUT (&quot;-&quot;: standard output)

With a layer option the program written is the one send sends: the layer
marks left out, only the layers asked for, their holds (M00) in:
%1</translation>
    </message>
    <message>
        <source>usage: scara-cli send FILE --port PATH [--baud N] [--raw] [--timeout S]
                      [--from K] [--trace FILE] [--journal FILE]
                      [--calibration CAL]
                      [--resume JOURNAL [--home]] [LAYER OPTIONS]

Sends a program to the arm&apos;s controller as &quot;Wyslij program&quot; does. Opens
the port (8 data bits, no parity, 1 stop bit, no flow control), sends the
connect frame and waits for its acknowledgement, then sends the program
line by line: the first line at once, each acknowledgement sends the next
line at once, and the current line goes again every 500 ms while none comes.

The program is FILE prepared with the station&apos;s default settings, or
FILE&apos;s lines as they are with --raw. Every frame sent (the transfer log
line) goes to standard output. Progress goes to standard error: lines
acknowledged of all, lines a second, re-sends and the time left, redrawn
in place on a terminal and one line a second otherwise.

Ctrl+C (SIGINT) or SIGTERM aborts the transfer as &quot;Przerwij wysyłanie&quot;
does: nothing goes out after the line in flight, except one G00 line to
the point reached when the pen is down; a second one ends at once.

  --port PATH    the serial device (for example /dev/ttyUSB0)
  --baud N       the line speed (default 19200)
  --raw          send FILE&apos;s lines unprepared
  --calibration CAL  correct the program for the arm calibrated in CAL (see
                 scara-cli correct); --from and --resume count the corrected
                 program&apos;s lines
  --timeout S    give up when nothing has arrived for S seconds (default 10,
                 1 to 86400)
  --from K       start at line K of the program (counted from 1): first a
                 G00 travel to where line K-1 ends, then lines K...
  --trace FILE   write every frame sent and every reply, with time stamps
  --journal FILE keep the transfer journal in FILE: the program&apos;s hash and
                 every line acknowledged, so that an interrupted transfer
                 can go on; removed after the last line
  --resume JOURNAL  go on where JOURNAL ends: a G00 travel to where the
                 last acknowledged line ended, then the next line; the
                 journal is kept in JOURNAL unless --journal names another
  --home         with --resume: the reference travel first, for a
                 controller that may have lost its position

Exit status 0 after the last line; 1 when the file cannot be read or
prepared, on a port error, or after the time-out, when the journal cannot
be used (a damaged one is set aside) or belongs to another program, or is
used by another process; 2 on a usage error;
3 when the transfer was aborted (the last line names the line reached).

A program stop (M00, written before each change of pen by import-svg
--hold-pen-change) holds the transfer with the pen up until Enter is
pressed (or standard input ends); then it is sent and the rest follows.
</source>
        <translation>usage: scara-cli send FILE --port PATH [--baud N] [--raw] [--timeout S]
                      [--from K] [--trace FILE] [--journal FILE]
                      [--calibration CAL]
                      [--resume JOURNAL [--home]] [LAYER OPTIONS]

Sends a program to the arm&apos;s controller as &quot;Send program&quot; does. Opens
the port (8 data bits, no parity, 1 stop bit, no flow control), sends the
connect frame and waits for its acknowledgement, then sends the program
line by line: the first line at once, each acknowledgement sends the next
line at once, and the current line goes again every 500 ms while none comes.

The program is FILE prepared with the station&apos;s default settings, or
FILE&apos;s lines as they are with --raw. Every frame sent (the transfer log
line) goes to standard output. Progress goes to standard error: lines
acknowledged of all, lines a second, re-sends and the time left, redrawn
in place on a terminal and one line a second otherwise.

Ctrl+C (SIGINT) or SIGTERM aborts the transfer as &quot;Abort sending&quot;
does: nothing goes out after the line in flight, except one G00 line to
the point reached when the pen is down; a second one ends at once.

  --port PATH    the serial device (for example /dev/ttyUSB0)
  --baud N       the line speed (default 19200)
  --raw          send FILE&apos;s lines unprepared
  --calibration CAL  correct the program for the arm calibrated in CAL (see
                 scara-cli correct); --from and --resume count the corrected
                 program&apos;s lines
  --timeout S    give up when nothing has arrived for S seconds (default 10,
                 1 to 86400)
  --from K       start at line K of the program (counted from 1): first a
                 G00 travel to where line K-1 ends, then lines K...
  --trace FILE   write every frame sent and every reply, with time stamps
  --journal FILE keep the transfer journal in FILE: the program&apos;s hash and
                 every line acknowledged, so that an interrupted transfer
                 can go on; removed after the last line
  --resume JOURNAL  go on where JOURNAL ends: a G00 travel to where the
                 last acknowledged line ended, then the next line; the
                 journal is kept in JOURNAL unless --journal names another
  --home         with --resume: the reference travel first, for a
                 controller that may have lost its position

Exit status 0 after the last line; 1 when the file cannot be read or
prepared, on a port error, or after the time-out, when the journal cannot
be used (a damaged one is set aside) or belongs to another program, or is
used by another process; 2 on a usage error;
3 when the transfer was aborted (the last line names the line reached).

A program stop (M00, written before each change of pen by import-svg
--hold-pen-change) holds the transfer with the pen up until Enter is
pressed (or standard input ends); then it is sent and the rest follows.
</translation>
    </message>
    <message>
        <source>  --layers L,...     only these layers (a layer begins at a line &quot;(warstwa N)&quot;,
                     or, without such lines, with each pen&apos;s Z)
  --layer-z L:Z      the pen&apos;s Z on layer L&apos;s drawing moves
  --layer-feed L:F   an F word (F &gt; 0) on layer L&apos;s drawing moves
  --layer-hold L:TEXT  the notice of the hold before layer L (by default
                     &quot;Załóż pisak L&quot;; with any layer option every layer but
                     the first is held for)
  --refill-every D   hold, pen up, after every D units drawn (D &gt; 0)
</source>
        <translation>  --layers L,...     only these layers (a layer begins at a line &quot;(warstwa N)&quot;,
                     or, without such lines, with each pen&apos;s Z)
  --layer-z L:Z      the pen&apos;s Z on layer L&apos;s drawing moves
  --layer-feed L:F   an F word (F &gt; 0) on layer L&apos;s drawing moves
  --layer-hold L:TEXT  the notice of the hold before layer L (by default
                     &quot;Put on pen L&quot;; with any layer option every layer but
                     the first is held for)
  --refill-every D   hold, pen up, after every D units drawn (D &gt; 0)
</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; is not a valid floating point value</translation>
    </message>
    <message>
        <source>%1 takes LAYER:VALUE, not &apos;%2&apos;</source>
        <translation>%1 takes LAYER:VALUE, not &apos;%2&apos;</translation>
    </message>
    <message>
        <source>
Layer options:
</source>
        <translation>
Layer options:
</translation>
    </message>
    <message>
        <source>usage: scara-cli import-svg FILE [--fit [--one-side] [--margin N] [--forbidden R]
                            [--paper P]] [--tolerance T] [--no-optimize]
                            [--pen-heights H1,...,H8] [--travel-height N]
                            [--hold-pen-change] [--no-dashes] [-o OUT]

Reads an SVG drawing and writes it as a program in the station&apos;s form
(numbered lines, G00 travel with the pen up, G01 drawing with the pen&apos;s Z,
M30), CR LF, to OUT (&quot;-&quot;: standard output) or standard output. Every
visible shape is drawn along its outline, a filled one closed, dashed
strokes as dashes, all of it cut to the viewports, clip paths and masks;
curves are cut into lines no farther than T program units (0,25) from
them. Stroke colours, or the layers of a file with two or more, become
pens 1 to 8.

  --fit              scale and move the drawing into the arm&apos;s safe area (the
                     half ring between the forbidden circle and the reach,
                     above the X axis), as large as fits, pen-up travel led
                     around the circle (otherwise a millimetre of the page is
                     a unit); the placement options below go with it
  --tolerance T      flattening and simplifying tolerance in units (0,25)
  --no-optimize      keep the document&apos;s order and points
  --pen-heights ...  Z of pens 1 to 8 (1,2,...,8)
  --travel-height N  Z of pen-up moves (10)
  --hold-pen-change  write M00 before each change of pen
  --no-dashes        draw dashed strokes solid

%1
The import report goes to standard error. On an error the message names
the file, nothing is written and the status is 1 (2 for a wrong command line).
</source>
        <translation>usage: scara-cli import-svg FILE [--fit [--one-side] [--margin N] [--forbidden R]
                            [--paper P]] [--tolerance T] [--no-optimize]
                            [--pen-heights H1,...,H8] [--travel-height N]
                            [--hold-pen-change] [--no-dashes] [-o OUT]

Reads an SVG drawing and writes it as a program in the station&apos;s form
(numbered lines, G00 travel with the pen up, G01 drawing with the pen&apos;s Z,
M30), CR LF, to OUT (&quot;-&quot;: standard output) or standard output. Every
visible shape is drawn along its outline, a filled one closed, dashed
strokes as dashes, all of it cut to the viewports, clip paths and masks;
curves are cut into lines no farther than T program units (0,25) from
them. Stroke colours, or the layers of a file with two or more, become
pens 1 to 8.

  --fit              scale and move the drawing into the arm&apos;s safe area (the
                     half ring between the forbidden circle and the reach,
                     above the X axis), as large as fits, pen-up travel led
                     around the circle (otherwise a millimetre of the page is
                     a unit); the placement options below go with it
  --tolerance T      flattening and simplifying tolerance in units (0,25)
  --no-optimize      keep the document&apos;s order and points
  --pen-heights ...  Z of pens 1 to 8 (1,2,...,8)
  --travel-height N  Z of pen-up moves (10)
  --hold-pen-change  write M00 before each change of pen
  --no-dashes        draw dashed strokes solid

%1
The import report goes to standard error. On an error the message names
the file, nothing is written and the status is 1 (2 for a wrong command line).
</translation>
    </message>
    <message>
        <source>  --hatch S          fill the filled shapes with lines S units apart as drawn
                     (not hatched by default)
  --hatch-angle A    the hatch lines&apos; angle, degrees from the page&apos;s X axis (45)
  --cross-hatch      a second set of hatch lines across the first
  --no-outline       leave out the edge of a hatched shape that has no stroke
  --occlude          leave out the lines that a later shape&apos;s fill covers
  --text single|outline
                     text in the single-stroke font (single, the default) or
                     drawn along its letters&apos; outlines
  --font NAME        the single-stroke font: futural (the default), rowmans or
                     scripts
</source>
        <translation>  --hatch S          fill the filled shapes with lines S units apart as drawn
                     (not hatched by default)
  --hatch-angle A    the hatch lines&apos; angle, degrees from the page&apos;s X axis (45)
  --cross-hatch      a second set of hatch lines across the first
  --no-outline       leave out the edge of a hatched shape that has no stroke
  --occlude          leave out the lines that a later shape&apos;s fill covers
  --text single|outline
                     text in the single-stroke font (single, the default) or
                     drawn along its letters&apos; outlines
  --font NAME        the single-stroke font: futural (the default), rowmans or
                     scripts
</translation>
    </message>
    <message>
        <source>--text is single or outline, not &apos;%1&apos;</source>
        <translation>--text is single or outline, not &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>hpgl</name>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Cannot open file &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>Plik jest niewłasciwy lub uszkodzony</source>
        <translation>The file is invalid or damaged</translation>
    </message>
    <message>
        <source>Konwersja zakończona</source>
        <translation>Conversion finished</translation>
    </message>
    <message>
        <source>Konwersja zatrzymana na pustej linii %1; pozostałe linie nie zostały przetworzone</source>
        <translation>Conversion stopped at empty line %1; the remaining lines were not processed</translation>
    </message>
    <message>
        <source>Błędna liczba &apos;%1&apos; w instrukcji %2 (linia %3)</source>
        <translation>Bad number &apos;%1&apos; in instruction %2 (line %3)</translation>
    </message>
    <message>
        <source>Niewłaściwa liczba parametrów w instrukcji %1 (linia %2)</source>
        <translation>Wrong number of parameters in instruction %1 (line %2)</translation>
    </message>
    <message>
        <source>Niezrozumiały znak &apos;%1&apos; w pliku HPGL (linia %2)</source>
        <translation>Unrecognised character &apos;%1&apos; in the HPGL file (line %2)</translation>
    </message>
    <message>
        <source>Współrzędna %1 przekracza zakres liczb całkowitych</source>
        <translation>Coordinate %1 is outside the integer range</translation>
    </message>
    <message>
        <source>Kąt cięciwy &apos;%1&apos; musi leżeć między 0,5 a 180 stopni</source>
        <translation>Chord angle &apos;%1&apos; must be between 0.5 and 180 degrees</translation>
    </message>
    <message>
        <source>Rysunek ma ponad %1 instrukcji; podziel plik na mniejsze</source>
        <translation>The drawing has more than %1 instructions; split the file into smaller ones</translation>
    </message>
    <message>
        <source>Nie pominięto żadnej instrukcji</source>
        <translation>No instructions left out</translation>
    </message>
    <message>
        <source>Pominięte instrukcje: %1</source>
        <translation>Instructions left out: %1</translation>
    </message>
</context>
<context>
    <name>pen</name>
    <message>
        <source>Nie ma czcionki &quot;%1&quot;; stacja ma: %2</source>
        <translation>There is no font &quot;%1&quot;; the station has: %2</translation>
    </message>
    <message>
        <source>Czcionka &quot;%1&quot; jest uszkodzona</source>
        <translation>The font &quot;%1&quot; is damaged</translation>
    </message>
    <message>
        <source>Tekst jest pusty: nie ma czego narysować</source>
        <translation>The text is empty: there is nothing to draw</translation>
    </message>
    <message>
        <source>Nie ma czego narysować: wszystko jest mniejsze niż jednostka programu</source>
        <translation>There is nothing to draw: everything is smaller than a program unit</translation>
    </message>
    <message>
        <source>Wysokość liter %1 musi być liczbą dodatnią</source>
        <translation>The letter height %1 must be a positive number</translation>
    </message>
    <message>
        <source>Brak w czcionce %1 (%2, w ich miejscu jest odstęp): %3</source>
        <translation>Missing from the font %1 (%2, left as spaces): %3</translation>
    </message>
    <message>
        <source>Odstęp linii kreskowania %1 musi być liczbą dodatnią</source>
        <translation>The hatch spacing %1 must be a positive number</translation>
    </message>
    <message>
        <source>Odstęp linii kreskowania %1 daje ponad %2 linii; podaj większy odstęp</source>
        <translation>The hatch spacing %1 gives more than %2 lines; give a larger spacing</translation>
    </message>
    <message>
        <source>Kształt ma punkt, który nie jest liczbą albo leży zbyt daleko</source>
        <translation>A shape has a point that is not a number or lies too far away</translation>
    </message>
    <message>
        <source>Kąt kreskowania %1 musi być liczbą</source>
        <translation>The hatch angle %1 must be a number</translation>
    </message>
    <message>
        <source>Zakreskowane kształty: %1, pociągnięcia pióra: %2</source>
        <translation>Hatched shapes: %1, pen strokes: %2</translation>
    </message>
    <message>
        <source>Zakryte przez wypełnienia: %1% długości linii, w kształtach: %2</source>
        <translation>Covered by fills: %1% of the lines&apos; length, in shapes: %2</translation>
    </message>
    <message>
        <source>Tekst czcionką %1, znaki: %2</source>
        <translation>Text in the font %1, characters: %2</translation>
    </message>
</context>
<context>
    <name>placement</name>
    <message>
        <source>Rysunek nie ma rozmiaru (jeden punkt albo nic do narysowania): nie ma czego dopasować</source>
        <translation>The drawing has no size (one point or nothing to draw): there is nothing to fit</translation>
    </message>
    <message>
        <source>Margines %1 nie zostawia miejsca na rysunek w obszarze roboczym</source>
        <translation>Margin %1 leaves no room for the drawing in the working area</translation>
    </message>
    <message>
        <source>Margines %1 musi być liczbą nieujemną</source>
        <translation>The margin %1 must not be negative</translation>
    </message>
    <message>
        <source>Promień obszaru zabronionego %1 musi być dodatni i mniejszy niż zasięg ramienia %2</source>
        <translation>The forbidden radius %1 must be positive and less than the arm&apos;s reach of %2</translation>
    </message>
    <message>
        <source>Nieznany arkusz &quot;%1&quot;: podaj A5, A4 lub A3 (z -landscape dla położenia poziomego) albo szerokość x wysokość, np. 210x297</source>
        <translation>Unknown sheet &quot;%1&quot;: give A5, A4 or A3 (with -landscape for a lying sheet) or width x height, such as 210x297</translation>
    </message>
    <message>
        <source>Arkusz %1 nie mieści się w obszarze roboczym ramienia</source>
        <translation>The sheet %1 does not fit in the arm&apos;s working area</translation>
    </message>
    <message>
        <source>Dopasowano: skala %1</source>
        <translation>Fitted: scale %1</translation>
    </message>
    <message>
        <source>po obu stronach osi Y</source>
        <translation>on both sides of the Y axis</translation>
    </message>
    <message>
        <source>po prawej stronie osi Y</source>
        <translation>right of the Y axis</translation>
    </message>
    <message>
        <source>po lewej stronie osi Y</source>
        <translation>left of the Y axis</translation>
    </message>
    <message>
        <source>łokieć nie przechodzi przez oś Y, a rysunek jest prawie tak duży jak po obu stronach</source>
        <translation>the elbow never crosses the Y axis, and the drawing is nearly as large as on both sides</translation>
    </message>
    <message>
        <source>arkusz %1 mieści się: od X %2 Y %3 do X %4 Y %5</source>
        <translation>sheet %1 fits: from X %2 Y %3 to X %4 Y %5</translation>
    </message>
    <message>
        <source>najmniejsza odległość od obszaru zabronionego %1</source>
        <translation>smallest distance from the forbidden zone %1</translation>
    </message>
</context>
<context>
    <name>svg</name>
    <message>
        <source>Nie można otworzyć rysunku &quot;%1&quot;. %2</source>
        <translation>Cannot open drawing &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>Rysunek &quot;%1&quot; ma ponad %2 MB; podziel go na mniejsze</source>
        <translation>Drawing &quot;%1&quot; is larger than %2 MB; split it into smaller ones</translation>
    </message>
    <message>
        <source>Rysunek &quot;%1&quot; jest uszkodzony (linia %2): %3</source>
        <translation>Drawing &quot;%1&quot; is damaged (line %2): %3</translation>
    </message>
    <message>
        <source>Plik &quot;%1&quot; nie jest rysunkiem SVG</source>
        <translation>File &quot;%1&quot; is not an SVG drawing</translation>
    </message>
    <message>
        <source>Rysunek &quot;%1&quot; ma elementy zagnieżdżone głębiej niż %2 poziomów (linia %3)</source>
        <translation>Drawing &quot;%1&quot; has elements nested deeper than %2 levels (line %3)</translation>
    </message>
    <message>
        <source>Rysunek &quot;%1&quot; ma ponad %2 elementów</source>
        <translation>Drawing &quot;%1&quot; has more than %2 elements</translation>
    </message>
    <message>
        <source>Rysunek &quot;%1&quot;: element &lt;use&gt; odwołuje się do nieistniejącego elementu &quot;%2&quot; (linia %3)</source>
        <translation>Drawing &quot;%1&quot;: a &lt;use&gt; element refers to the missing element &quot;%2&quot; (line %3)</translation>
    </message>
    <message>
        <source>Rysunek &quot;%1&quot; ma niewłaściwy viewBox &quot;%2&quot; (szerokość i wysokość muszą być dodatnie)</source>
        <translation>Drawing &quot;%1&quot; has an invalid viewBox &quot;%2&quot; (width and height must be positive)</translation>
    </message>
    <message>
        <source>Rysunek &quot;%1&quot; ma niewłaściwy rozmiar &quot;%2&quot;</source>
        <translation>Drawing &quot;%1&quot; has an invalid size &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Rysunku &quot;%1&quot; nie da się odczytać</source>
        <translation>Drawing &quot;%1&quot; cannot be read</translation>
    </message>
    <message>
        <source>Rysunek &quot;%1&quot; ma współrzędne spoza zakresu (nieskończone, NaN lub dalej niż kilometr)</source>
        <translation>Drawing &quot;%1&quot; has coordinates out of range (infinite, NaN or farther than a kilometre)</translation>
    </message>
    <message>
        <source>Rysunek &quot;%1&quot; zawiera tekst, a czcionki nie są dostępne</source>
        <translation>Drawing &quot;%1&quot; contains text, but no fonts are available</translation>
    </message>
    <message>
        <source>Rysunek &quot;%1&quot; ma liczbę spoza zakresu &quot;%2&quot; (linia %3)</source>
        <translation>Drawing &quot;%1&quot; has an out-of-range number &quot;%2&quot; (line %3)</translation>
    </message>
    <message>
        <source>Rysunek &quot;%1&quot; nie zawiera niczego do narysowania</source>
        <translation>Drawing &quot;%1&quot; contains nothing to draw</translation>
    </message>
    <message>
        <source>Tolerancja %1 musi być liczbą dodatnią</source>
        <translation>Tolerance %1 must be a positive number</translation>
    </message>
    <message>
        <source>Ścieżki: %1, pisaki: %2</source>
        <translation>Paths: %1, pens: %2</translation>
    </message>
    <message>
        <source>Nie narysowano: %1 × %2</source>
        <translation>Not drawn: %1 × %2</translation>
    </message>
    <message>
        <source>Tekst narysowany konturami: %1</source>
        <translation>Text drawn as outlines: %1</translation>
    </message>
    <message>
        <source>Kolorów jest %1, a pisaków 8: kolory od dziewiątego dzielą pisaki</source>
        <translation>There are %1 colours but 8 pens: colours from the ninth on share pens</translation>
    </message>
    <message>
        <source>obraz</source>
        <translation>image</translation>
    </message>
    <message>
        <source>tekst bez czcionki</source>
        <translation>text without a font</translation>
    </message>
    <message>
        <source>brak</source>
        <translation>missing</translation>
    </message>
    <message>
        <source>nieznany element &lt;%1&gt; (pierwszy w linii %2)</source>
        <translation>unknown element &lt;%1&gt; (first on line %2)</translation>
    </message>
    <message>
        <source>odwołanie w %1 do brakującego elementu</source>
        <translation>a reference in %1 to a missing element</translation>
    </message>
    <message>
        <source>odwołanie do innego pliku</source>
        <translation>a reference to another file</translation>
    </message>
    <message>
        <source>odwołanie zapętlone</source>
        <translation>a reference in a cycle</translation>
    </message>
    <message>
        <source>kształt o ujemnym rozmiarze</source>
        <translation>a shape of negative size</translation>
    </message>
    <message>
        <source>niezrozumiała wartość %1 (narysowano do błędu)</source>
        <translation>a value of %1 not understood (drawn up to the error)</translation>
    </message>
    <message>
        <source>%1 (pierwszy raz w linii %2)</source>
        <translation>%1 (first on line %2)</translation>
    </message>
</context>
</TS>
