// The language of Firmlook's and Romprobe's texts. Plain code without <windows.h>.
#ifndef COMMON_LANGUAGE_H
#define COMMON_LANGUAGE_H

// 1 (German) for the five German locales, 0 (English) for every other language id.
int LanguageFlagFor(unsigned short languageId);

#endif
