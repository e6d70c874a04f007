// Every fixed text of Sucholin, once, as UTF-8, the program's one text form inside (escaped so
// that the source file's own encoding cannot change them).
#pragma once

#include <string>
#include <string_view>

#ifndef SUCHOLIN_WEBSITE
#error "SUCHOLIN_WEBSITE is set by the build"
#endif

namespace sucholin::texts {

// Main window.
inline constexpr char WindowTitle[] = "Sucholin 1.0";
inline constexpr char FolderOptionText[] = "Ordner";
inline constexpr char FileOptionText[] = "Einzelne Datei";
inline constexpr char SelectButtonText[] = "Auswahl";
inline constexpr char SearchButtonText[] = "Suchen";
inline constexpr char WebsiteButtonText[] = "Auf meiner Website gibts noch andere Tools.";
inline constexpr char FileColumn[] = "Datei";
inline constexpr char LinesColumn[] = "Zeilen";
inline constexpr char ResultFrameText[] = "Auflistung der Dateien die das Suchwort enthalten.";

// The Linux desktop's result list and what a screen reader says for the unlabelled controls.
inline constexpr char PathFieldName[] = "Gew\xC3\xA4hlter Ordner oder gew\xC3\xA4hlte Datei";
inline constexpr char WordFieldName[] = "Suchwort";
inline constexpr char ResultListName[] = "Gefundene Dateien";
inline constexpr char ShortenedMark[] = "\xE2\x80\xA6";  // ends a cell text shown shortened
// A row's tooltip: how many lines hold the word; the count stands between the two parts.
inline constexpr char HitLinesOne[] = "Das Suchwort steht in einer Zeile.";
inline constexpr char HitLinesBefore[] = "Das Suchwort steht in ";
inline constexpr char HitLinesAfter[] = " Zeilen.";
inline constexpr char HitLinesShortened[] = " Die Liste zeigt die ersten; Strg+C kopiert alle.";

// Choosers.
inline constexpr char FolderChooserTitle[] = "Ordner Ausw\xC3\xA4hlen";
inline constexpr char FolderChooserStart[] = "c:/";
inline constexpr char FileChooserTitle[] = "Datei ausw\xC3\xA4hlen";
inline constexpr char FileChooserDefault[] = "*.*";
// The shown text keeps its "*bat"; the pattern reads "*.bat", which "kombat" does not match.
inline constexpr char FileChooserFilter[] =
    "(*.txt,*.htm,*.html,*.xml,*bat,*.pb,*.pbi,*.php,*.perl)"
    "|*.txt;*.htm;*.html;*.xml;*.bat;*.pb;*.pbi;*.php;*.perl";

// Notices.
inline constexpr char NoticeCaption[] = "Meldung";
inline constexpr char PathNotice[] =
    "Sie m\xC3\xBCssen einen Ordner oder eine Datei\nzum Durchsuchen ausw\xC3\xA4hlen!";
inline constexpr char WordNotice[] = "Sie m\xC3\xBCssen das zu suchende Wort eingeben!";
inline constexpr unsigned NoticeStyle = 0x30;  // exclamation icon, one OK button

inline constexpr char WebsiteAddress[] = SUCHOLIN_WEBSITE;

// The Linux desktop program cannot start: where no display is set, and otherwise. Qt's own
// reason follows on a line of its own.
inline constexpr char NoDisplayMessage[] =
    "Sucholin braucht eine grafische Oberfl\xC3\xA4"
    "che: keine Anzeige erreichbar (DISPLAY oder WAYLAND_DISPLAY).";
inline constexpr char CannotStartMessage[] =
    "Sucholin kann nicht starten: Qt kann die grafische Oberfl\xC3\xA4"
    "che nicht \xC3\xB6"
    "ffnen.";

// The Windows program could not create its window; the system's error code and reason follow.
inline constexpr char NoWindowMessage[] =
    "Sucholin kann sein Fenster nicht \xC3\xB6"
    "ffnen: Windows-Fehler ";

// The Linux desktop's opener failed; the target stands between the two parts.
inline constexpr char OpenFailedCaption[] = "Sucholin";
inline constexpr char OpenFailedBefore[] = "\xE2\x80\x9E";
inline constexpr char OpenFailedAfter[] =
    "\xE2\x80\x9C l\xC3\xA4sst sich nicht \xC3\xB6"
    "ffnen: Der Desktop hat kein Programm daf\xC3\xBCr oder konnte es nicht starten.";

// sucholin-cli. Every message starts with CliPrefix; a named file follows its message.
inline constexpr char CliPrefix[] = "sucholin-cli: ";
inline constexpr char CliUsage[] = "Aufruf: sucholin-cli WORT PFAD (Hilfe: sucholin-cli --help)";
inline constexpr char CliHelp[] =
    "Aufruf: sucholin-cli WORT PFAD\n"
    "        sucholin-cli -h | --help | --version\n"
    "\n"
    "Sucht WORT in der Datei PFAD oder in den Dateien des Ordners PFAD, Zeichen f\xC3\xBCr "
    "Zeichen:\n"
    "Gro\xC3\x9F- und Kleinschreibung z\xC3\xA4hlt, Leerzeichen geh\xC3\xB6ren zum Wort.\n"
    "Im Ordner werden nur Dateien mit diesen Endungen durchsucht, ohne Unterordner:\n"
    "txt htm html xml bat pb pbi php perl (klein geschrieben).\n"
    "Zeilen enden bei LF, CR, CR LF und bei einem Null-Byte.\n"
    "In einer Datei, die mit einer UTF-16-Bytereihenfolgemarke beginnt (FF FE oder FE FF), wird\n"
    "das Wort als UTF-16 gesucht, und die Zeilen enden an diesen vier Zeichen; in jeder anderen\n"
    "Datei als UTF-8 und, wenn jedes seiner Zeichen eines hat, als Bytes der Codepage 1252.\n"
    "Ein Wort, das kein g\xC3\xBCltiges UTF-8 ist, wird nur als diese Bytes gesucht und in einer\n"
    "UTF-16-Datei nie gefunden.\n"
    "\n"
    "Ausgabe: eine Zeile je Datei, die WORT enth\xC3\xA4lt: der Name, ein Tabulator und die\n"
    "Zeilennummern, durch Kommas getrennt (a.txt<TAB>3,17,42). Steuerzeichen und der\n"
    "Backslash im Namen werden wie in C geschrieben (\\t, \\n, \\r, \\x1b, \\\\), so bleibt\n"
    "jede Datei eine Zeile mit genau einem Tabulator.\n"
    "\n"
    "Optionen: -h oder --help zeigt diese Hilfe, --version die Version.\n"
    "\n"
    "Ergebnis: 0, wenn WORT gefunden wurde; 1, wenn nicht; 2 bei einem Fehler (falscher Aufruf,\n"
    "PFAD oder eine Datei nicht lesbar, Ausgabe nicht schreibbar, zu wenig Speicher). Fehler\n"
    "stehen auf der Standardfehlerausgabe; die Zeilen der \xC3\xBC"
    "brigen Dateien werden trotzdem\n"
    "ausgegeben.\n";
inline constexpr char CliPathUnreadable[] = "Ordner oder Datei nicht lesbar: ";
inline constexpr char CliFileUnreadable[] = "Datei nicht lesbar: ";
inline constexpr char CliFolderBroken[] =
    "Lesefehler im Ordner, nicht alle Dateien sind durchsucht: ";
inline constexpr char CliReadFailed[] = "Lesefehler, die Datei ist nur bis dahin durchsucht: ";
inline constexpr char CliWriteFailed[] = "Die Ausgabe kann nicht geschrieben werden.";
inline constexpr char CliOutOfMemory[] = "Zu wenig Speicher.";

}  // namespace sucholin::texts
