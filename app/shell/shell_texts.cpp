#include "shell_texts.h"

#include "../report/bounded_text.h"

const CaptionRow kCaptions[kCaptionCount] = {
    {18, "BIOS-Info direkt vom ROM auslesen versuchen",
     "Try to read BIOS-Info directly from the ROM"},
    {20, "ROM-Inhalt (HEX-Dump) auslesen versuchen", "Try to read ROM-Content (HEX-Dump) directly"},
    {21, "Alte Programmaufruf-Methode versuchen", "Try old Program Call Method"},
    {17, "Extra: RAM-Info zeigen", "Extra: Show RAM-Info"},
    {19, "Hinweise nicht mehr anzeigen", "Don't show Notes again"},
    {102, "Schritt:", "Step:"},
    {1, "Beenden", "Close"},
    {14, "Aktualisieren", "Refresh"},
    {10, "English", "Deutsch"},
    {13, "Drucken...", "Print..."},
    {12, "Über...", "About..."},
};

const char *PrintMenuText(int language) {
    return language ? "Drucken..." : "Print...";
}

const char *AboutMenuText(int language) {
    return language ? "Über Firmlook..." : "About Firmlook...";
}

const char *DownloadPage(int language) {
    return language ? "https://www.firmlook.example/de/download.html"
                    : "https://www.firmlook.example/en/download.html";
}

const char kAboutCaption[] = " Firmlook";

namespace {

// The maker's credit block: production note, author line and home page.
const char kCreditGerman[] =
    " Freeware, 2024-2026 erstellt von \n Tolvo Software \n\n https://www.firmlook.example ";
const char kCreditEnglish[] =
    " Freeware, made 2024-2026 by \n Tolvo Software \n\n https://www.firmlook.example ";

} // namespace

void ComposeAboutText(int language, char *buffer) {
    buffer[0] = '\0';
    AppendBounded(buffer, kAboutTextSize, "\n  Firmlook  (Second Edition) ");
    AppendBounded(buffer, kAboutTextSize,
                  language ? "\n (Fenstergröße ist veränderbar) \n\n"
                           : "\n (Window Size is variable) \n\n");
    AppendBounded(buffer, kAboutTextSize, language ? kCreditGerman : kCreditEnglish);
    AppendBounded(buffer, kAboutTextSize, "\n\n 32Bit-Windows-Version ");
    AppendBounded(buffer, kAboutTextSize,
                  language ? "\n\n Dieses Programm wird so wie es ist ohne \n Garantie zur "
                             "Verfügung gestellt. Es könnte             \n Bugs enthalten, so "
                             "dass die Verwendung \n dieses Tools auf eigenes Risiko erfolgt. \n"
                           : "\n\n This Program is provided as it is,             \n without "
                             "any Guarantee made. It \n may contain Bugs, so use of this \n "
                             "Tool is at your own Risk. \n");
}
