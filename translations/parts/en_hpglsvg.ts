<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="pl_PL">
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
        <source>usage: scara-cli prepare FILE [--no-round] [--keep-repeats] [--no-reach-check]
                         [--dx N] [--dy N] [--report-shifts] [-o OUT]

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
  -o OUT            write the prepared program to OUT (&quot;-&quot;: standard output)
</source>
        <translation>usage: scara-cli prepare FILE [--no-round] [--keep-repeats] [--no-reach-check]
                         [--dx N] [--dy N] [--report-shifts] [-o OUT]

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
  -o OUT            write the prepared program to OUT (&quot;-&quot;: standard output)
</translation>
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
        <source>usage: scara-cli convert-hpgl FILE [-o OUT] [--pen-heights H1,...,H8]
                              [--travel-height N] [--step N]
                              [--normalize] [--fit] [--margin N] [--chord-degrees A]
                              [--skip-empty-lines]
Converts the plot file with the converter window&apos;s settings (pen heights
1..8, travel height 10, line numbers from 10 in steps of 10) and writes
the G-code (CR LF) to OUT (&quot;-&quot;: standard output) or standard output. On
an error the lines emitted before it are written and the command exits
with 1. Like the window, the conversion stops at an empty line; when lines
follow it, that is an error too (exit 1, the line named), unless
--skip-empty-lines lets it pass over empty lines.
--normalize first brings a plot file of any common layout to one
instruction a line; --fit also scales and moves it into the working area.
</source>
        <translation>usage: scara-cli convert-hpgl FILE [-o OUT] [--pen-heights H1,...,H8]
                              [--travel-height N] [--step N]
                              [--normalize] [--fit] [--margin N] [--chord-degrees A]
                              [--skip-empty-lines]
Converts the plot file with the converter window&apos;s settings (pen heights
1..8, travel height 10, line numbers from 10 in steps of 10) and writes
the G-code (CR LF) to OUT (&quot;-&quot;: standard output) or standard output. On
an error the lines emitted before it are written and the command exits
with 1. Like the window, the conversion stops at an empty line; when lines
follow it, that is an error too (exit 1, the line named), unless
--skip-empty-lines lets it pass over empty lines.
--normalize first brings a plot file of any common layout to one
instruction a line; --fit also scales and moves it into the working area.
</translation>
    </message>
    <message>
        <source>usage: scara-cli normalize-hpgl FILE [--fit] [--margin N] [--chord-degrees A] [-o OUT]
Writes the plot file one instruction a line (IN;, SPn;, PUx y;, PDx y;),
arcs and circles as chords (5 degrees unless given), other instructions
left out and counted on standard error. --fit scales and moves the drawing
into the arm&apos;s working area, the margin (10 unless given) kept free.
</source>
        <translation>usage: scara-cli normalize-hpgl FILE [--fit] [--margin N] [--chord-degrees A] [-o OUT]
Writes the plot file one instruction a line (IN;, SPn;, PUx y;, PDx y;),
arcs and circles as chords (5 degrees unless given), other instructions
left out and counted on standard error. --fit scales and moves the drawing
into the arm&apos;s working area, the margin (10 unless given) kept free.
</translation>
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
        <source>usage: scara-cli send FILE --port PATH [--baud N] [--raw] [--timeout S]
                      [--from K] [--trace FILE] [--journal FILE]
                      [--resume JOURNAL [--home]]

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
                      [--resume JOURNAL [--home]]

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
        <source>usage: scara-cli import-svg FILE [--fit] [--margin N] [--tolerance T] [--no-optimize]
                            [--pen-heights H1,...,H8] [--travel-height N]
                            [--hold-pen-change] [-o OUT]

Reads an SVG drawing and writes it as a program in the station&apos;s form
(numbered lines, G00 travel with the pen up, G01 drawing with the pen&apos;s Z,
M30), CR LF, to OUT (&quot;-&quot;: standard output) or standard output. Every
visible shape is drawn along its outline; curves are cut into lines no
farther than T program units (0,25) from them. Stroke colours, or the
layers of a file with two or more, become pens 1 to 8.

  --fit              scale and move the drawing into the reach, as large as fits
                     (otherwise a millimetre of the page is a unit)
  --margin N         units kept free inside the reach&apos;s edges when fitting (10)
  --tolerance T      flattening and simplifying tolerance in units (0,25)
  --no-optimize      keep the document&apos;s order and points
  --pen-heights ...  Z of pens 1 to 8 (1,2,...,8)
  --travel-height N  Z of pen-up moves (10)
  --hold-pen-change  write M00 before each change of pen

The import report goes to standard error. On an error the message names
the file, nothing is written and the status is 1 (2 for a wrong command line).
</source>
        <translation>usage: scara-cli import-svg FILE [--fit] [--margin N] [--tolerance T] [--no-optimize]
                            [--pen-heights H1,...,H8] [--travel-height N]
                            [--hold-pen-change] [-o OUT]

Reads an SVG drawing and writes it as a program in the station&apos;s form
(numbered lines, G00 travel with the pen up, G01 drawing with the pen&apos;s Z,
M30), CR LF, to OUT (&quot;-&quot;: standard output) or standard output. Every
visible shape is drawn along its outline; curves are cut into lines no
farther than T program units (0,25) from them. Stroke colours, or the
layers of a file with two or more, become pens 1 to 8.

  --fit              scale and move the drawing into the reach, as large as fits
                     (otherwise a millimetre of the page is a unit)
  --margin N         units kept free inside the reach&apos;s edges when fitting (10)
  --tolerance T      flattening and simplifying tolerance in units (0,25)
  --no-optimize      keep the document&apos;s order and points
  --pen-heights ...  Z of pens 1 to 8 (1,2,...,8)
  --travel-height N  Z of pen-up moves (10)
  --hold-pen-change  write M00 before each change of pen

The import report goes to standard error. On an error the message names
the file, nothing is written and the status is 1 (2 for a wrong command line).
</translation>
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
        <source>Margines %1 nie zostawia miejsca na rysunek w obszarze roboczym</source>
        <translation>Margin %1 leaves no room for the drawing in the working area</translation>
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
        <source>Dopasowano do obszaru roboczego, skala %1</source>
        <translation>Fitted to the working area, scale %1</translation>
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
</context>
</TS>
