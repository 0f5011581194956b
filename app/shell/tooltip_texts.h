// Tooltip texts and the relay rule of the tooltip hook. Pure code without <windows.h>.
#ifndef FIRMLOOK_TOOLTIP_TEXTS_H
#define FIRMLOOK_TOOLTIP_TEXTS_H

// The tip of a control in the language (nonzero = German), or a null pointer for controls
// that have none (labels, the report window, unknown ids).
const char *TooltipText(int controlId, int language);

// Whether the hook passes a retrieved message on to the tooltip window: only the five
// mouse messages, for descendants of the dialog other than id 0x7FFF, while a tooltip
// window exists.
bool ShouldRelayToTooltip(int hookCode, bool isDialogChild, int controlId, unsigned message,
                          bool haveTooltipWindow);

#endif
