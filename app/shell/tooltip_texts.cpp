#include "tooltip_texts.h"

namespace {

struct TipRow {
    int firstId, lastId;
    const char *german;
    const char *english;
};

const TipRow kTips[] = {
    {1, 2, "Dieser Button beendet das Programm", "This Button ends the Program"},
    {10, 10, "Change Language / Sprache ändern", "Change Language / Sprache ändern"},
    {11, 11, "Schriftfont im Ausgabefenster ändern", "Change Font in the Output Window"},
    {12, 12, "Zeige Info Fenster über dieses Programm", "Show Info Messagebox about this Program"},
    {13, 13, "Inhalt des Ausgabefensters ausdrucken", "Print Content of the Output Window"},
    {14, 14, "Information aktualisieren (nochmals auslesen)",
     "Refresh Information (read out once again)"},
    {15, 15, "Wechselt die Farbe der Dialogbox", "Changes the Color of the Dialogbox"},
    {16, 16, "Diesen Button drücken für die Homepage im Internet",
     "Press this Button for the Homepage in the Web"},
    {17, 17, "Hier für RAM-Info ankreuzen", "Check here for RAM-Info"},
    {18, 18, "Versucht das BIOS-Datum direkt vom ROM auszulesen [via DOS-Subprogramm]",
     "Tries to read out the BIOS-Date directly from the ROM [via DOS-Subprogram]"},
    {19, 19, "Hinweise werden nicht mehr angezeigt", "Notes are not shown anymore"},
    {20, 20,
     "Versucht HEX-Dump vom ersten Megabyte - ROM z.B. ab C000h und F000h [via DOS-Subprogramm]",
     "Tries HEX-Dump of the First Megabyte - ROM e.g. from C000h and F000h [via DOS-Subprogram]"},
    {21, 21, "DOS-Subprogramm wird mit alter Methode aufgerufen -> Bildschirm flackert",
     "DOS-Subprogram is called via old Method -> Screen flickers"},
    {22, 23, "Segment-Adresse 0 = C000h, 1 = C800h, 2 = D000h, ..., 6 = F000h, 7 = F800h",
     "Segment-Adress 0 = C000h, 1 = C800h, 2 = D000h, ..., 6 = F000h, 7 = F800h"},
    {24, 25, "Offset-Adresse 0 = 0000h, 1 = 1000h, ..., 7 = 7000h",
     "Offset-Adress 0 = 0000h, 1 = 1000h, ..., 7 = 7000h"},
    {26, 27, "Schrittweite 0 = 8, 1 = 16, .., 4 = 40, 5 = 48 Bytes pro Zeile",
     "Step Width 0 = 8, 1 = 16, .., 4 = 40, 5 = 48 Bytes per Line"},
};

} // namespace

const char *TooltipText(int controlId, int language) {
    for (const TipRow &row : kTips)
        if (controlId >= row.firstId && controlId <= row.lastId)
            return language ? row.german : row.english;
    return 0;
}

bool ShouldRelayToTooltip(int hookCode, bool isDialogChild, int controlId, unsigned message,
                          bool haveTooltipWindow) {
    if (hookCode < 0 || !isDialogChild || controlId == 0x7FFF || !haveTooltipWindow)
        return false;
    switch (message) {
    case 0x200: // WM_MOUSEMOVE
    case 0x201: // WM_LBUTTONDOWN
    case 0x202: // WM_LBUTTONUP
    case 0x204: // WM_RBUTTONDOWN
    case 0x205: // WM_RBUTTONUP
        return true;
    default:
        return false;
    }
}
