<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="pl_PL">
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
</TS>
