// The language-dependent texts of the dialog shell.
// Pure code without <windows.h>.
#ifndef FIRMLOOK_SHELL_TEXTS_H
#define FIRMLOOK_SHELL_TEXTS_H

struct CaptionRow {
    int id;
    const char *german;
    const char *english;
};
enum { kCaptionCount = 11 };
extern const CaptionRow kCaptions[kCaptionCount];

const char *PrintMenuText(int language);
const char *AboutMenuText(int language);
const char *DownloadPage(int language);

enum { kAboutTextSize = 384, kAboutCaptionSize = 32 };
extern const char kAboutCaption[];
// Builds the about box text; buffer holds kAboutTextSize bytes.
void ComposeAboutText(int language, char *buffer);

#endif
