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
inline constexpr char FileChooserFilter[] =
    "(*.txt,*.htm,*.html,*.xml,*bat,*.pb,*.pbi,*.php,*.perl)"
    "|*.txt;*.htm;*.html;*.xml;*bat;*.pb;*.pbi;*.php;*.perl";

// Notices.
inline constexpr char NoticeCaption[] = "Meldung";
inline constexpr char PathNotice[] =
    "Sie m\xFCssen einen Ordner oder eine Datei\nzum Durchsuchen ausw\xE4hlen!";
inline constexpr char WordNotice[] = "Sie m\xFCssen das zu suchende Wort eingeben!";
inline constexpr unsigned NoticeStyle = 0x30;  // exclamation icon, one OK button

inline constexpr char WebsiteAddress[] = SUCHOLIN_WEBSITE;

// The Linux desktop program, started where there is no display.
inline constexpr char NoDisplayMessage[] =
    "Sucholin braucht eine grafische Oberfl\xE4"
    "che: weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt.";

// The same bytes as UTF-8, for Qt and for terminals that are not code page 1252.
std::string Utf8FromCp1252(std::string_view text);

}  // namespace sucholin::texts
