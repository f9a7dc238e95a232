// Bars built from a dialog template: where the template keeps its window style, and the style
// the bar's window is made with. Pure: the bar loads the template and applies the answers.
#pragma once

#include <windows.h>

namespace DockLayout
{
// The byte offset of the style in a dialog template of nSize bytes: 12 in an extended template
// (version 1, signature 0xFFFF), 0 in a plain one. FALSE when the bytes are too few for the
// header of either kind.
BOOL DialogTemplateStyleOffset(const BYTE* pTemplate, DWORD nSize, DWORD& nOffset);

// The window style of a bar made from a template: a visible-or-not child with the bar's own
// window style; the template keeps its DS_* bits (the low word), which say how the rest of the
// template reads (a font record follows DS_SETFONT).
DWORD DialogBarStyle(DWORD dwTemplateStyle, DWORD dwBarWindowStyle);
}  // namespace DockLayout
