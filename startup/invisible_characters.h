// Characters that do not show as themselves: controls, which a terminal acts on; format
// characters, which reorder, join or hide what is around them; every other character a
// font is meant to leave out (default-ignorable); and the line and paragraph separators.
#pragma once

bool IsInvisibleCharacter(char32_t code_point);
