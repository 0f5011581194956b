#include "language.h"

int LanguageFlagFor(unsigned short languageId) {
    switch (languageId) {
    case 0x0407: // Germany
    case 0x0807: // Switzerland
    case 0x0C07: // Austria
    case 0x1007: // Luxembourg
    case 0x1407: // Liechtenstein
        return 1;
    default:
        return 0;
    }
}
