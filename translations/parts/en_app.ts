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
        <source>Bloki poza zasięgiem manipulatora: %1 (lista na stronie G-kod)</source>
        <translation>Blocks beyond the arm&apos;s reach: %1 (listed on the G-code page)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; nie jest liczbą dodatnią</source>
        <translation>&apos;%1&apos; is not a positive number</translation>
    </message>
    <message>
        <source>Ruchy przez obszar zabroniony: %1, przejścia łokcia przez oś Y: %2 (lista na stronie G-kod)</source>
        <translation>Moves through the forbidden zone: %1, elbow crossings of the Y axis: %2 (listed on the G-code page)</translation>
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
</context>
<context>
    <name>SimulationPage</name>
    <message>
        <source>Pozycja efektora</source>
        <translation>End effector position</translation>
    </message>
</context>
<context>
    <name>StationStatusBar</name>
    <message>
        <source>Rozłączono</source>
        <translation>Disconnected</translation>
    </message>
    <message>
        <source>Brak punktu referencyjnego</source>
        <translation>No reference point</translation>
    </message>
    <message>
        <source>Sterowanie automatyczne</source>
        <translation>Automatic control</translation>
    </message>
</context>
<context>
    <name>StationTransferView</name>
    <message>
        <source>Brak programu do wysłania</source>
        <translation>No program to send</translation>
    </message>
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
</context>
</TS>
