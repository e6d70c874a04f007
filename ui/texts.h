// Every fixed text of Sucholin, once, as code page 1252 bytes (escaped so that the source
// file's own encoding cannot change them).
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

// Choosers.
inline constexpr char FolderChooserTitle[] = "Ordner Ausw\xE4hlen";
inline constexpr char FolderChooserStart[] = "c:/";
inline constexpr char FileChooserTitle[] = "Datei ausw\xE4hlen";
inline constexpr char FileChooserDefault[] = "*.*";
// The shown text keeps its "*bat"; the pattern reads "*.bat", which "kombat" does not match.
inline constexpr char FileChooserFilter[] =
    "(*.txt,*.htm,*.html,*.xml,*bat,*.pb,*.pbi,*.php,*.perl)"
    "|*.txt;*.htm;*.html;*.xml;*.bat;*.pb;*.pbi;*.php;*.perl";

// Notices.
inline constexpr char NoticeCaption[] = "Meldung";
inline constexpr char PathNotice[] =
    "Sie m\xFCssen einen Ordner oder eine Datei\nzum Durchsuchen ausw\xE4hlen!";
inline constexpr char WordNotice[] = "Sie m\xFCssen das zu suchende Wort eingeben!";
inline constexpr unsigned NoticeStyle = 0x30;  // exclamation icon, one OK button

inline constexpr char WebsiteAddress[] = SUCHOLIN_WEBSITE;

// The Linux desktop program, started where no display is set or none can be reached.
inline constexpr char NoDisplayMessage[] =
    "Sucholin braucht eine grafische Oberfl\xE4"
    "che: keine Anzeige erreichbar (DISPLAY oder WAYLAND_DISPLAY).";

// The Linux desktop's opener failed; the target stands between the two parts.
inline constexpr char OpenFailedCaption[] = "Sucholin";
inline constexpr char OpenFailedBefore[] = "\x84";
inline constexpr char OpenFailedAfter[] =
    "\x93 l\xE4sst sich nicht \xF6"
    "ffnen: Der Desktop hat kein Programm daf\xFCr oder konnte es nicht starten.";

// sucholin-cli. Every message starts with CliPrefix; a named file follows its message.
inline constexpr char CliPrefix[] = "sucholin-cli: ";
inline constexpr char CliUsage[] = "Aufruf: sucholin-cli WORT PFAD (Hilfe: sucholin-cli --help)";
inline constexpr char CliHelp[] =
    "Aufruf: sucholin-cli WORT PFAD\n"
    "        sucholin-cli -h | --help | --version\n"
    "\n"
    "Sucht WORT in der Datei PFAD oder in den Dateien des Ordners PFAD, Byte f\xFCr Byte:\n"
    "Gro\xDF- und Kleinschreibung z\xE4hlt, Leerzeichen geh\xF6ren zum Wort.\n"
    "Im Ordner werden nur Dateien mit diesen Endungen durchsucht, ohne Unterordner:\n"
    "txt htm html xml bat pb pbi php perl (klein geschrieben).\n"
    "Zeilen enden bei LF, CR, CR LF und bei einem Null-Byte.\n"
    "\n"
    "Ausgabe: eine Zeile je Datei, die WORT enth\xE4lt: der Name, ein Tabulator und die\n"
    "Zeilennummern, durch Kommas getrennt (a.txt<TAB>3,17,42). Steuerzeichen und der\n"
    "Backslash im Namen werden wie in C geschrieben (\\t, \\n, \\r, \\x1b, \\\\), so bleibt\n"
    "jede Datei eine Zeile mit genau einem Tabulator.\n"
    "\n"
    "Optionen: -h oder --help zeigt diese Hilfe, --version die Version.\n"
    "\n"
    "Ergebnis: 0, wenn WORT gefunden wurde; 1, wenn nicht; 2 bei einem Fehler (falscher Aufruf,\n"
    "PFAD oder eine Datei nicht lesbar, Ausgabe nicht schreibbar, zu wenig Speicher). Fehler\n"
    "stehen auf der Standardfehlerausgabe; die Zeilen der \xFC"
    "brigen Dateien werden trotzdem\n"
    "ausgegeben.\n";
inline constexpr char CliPathUnreadable[] = "Ordner oder Datei nicht lesbar: ";
inline constexpr char CliFileUnreadable[] = "Datei nicht lesbar: ";
inline constexpr char CliFolderBroken[] =
    "Lesefehler im Ordner, nicht alle Dateien sind durchsucht: ";
inline constexpr char CliReadFailed[] = "Lesefehler, die Datei ist nur bis dahin durchsucht: ";
inline constexpr char CliWriteFailed[] = "Die Ausgabe kann nicht geschrieben werden.";
inline constexpr char CliOutOfMemory[] = "Zu wenig Speicher.";

// The same bytes as UTF-8, for Qt and for terminals that are not code page 1252.
std::string Utf8FromCp1252(std::string_view text);

}  // namespace sucholin::texts
